#include "commandbox/PathPrograms.h"

#include <QDir>
#include <QSet>

namespace mirato {

namespace {

QStringList programsIn(const QStringList& folders) {
    QSet<QString> seen;
    QStringList names;
    for (const QString& folder : folders) {
        const QStringList found =
            QDir(folder).entryList(QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
        for (const QString& name : found) {
            if (!seen.contains(name)) {
                seen.insert(name);
                names.append(name);
            }
        }
    }
    names.sort();
    return names;
}

}  // namespace

PathPrograms::PathPrograms(QStringList folders, QObject* parent)
    : QObject(parent), folders_(std::move(folders)) {}

PathPrograms::~PathPrograms() {
    if (worker_.joinable())
        worker_.join();
}

QList<std::optional<FileStamp>> PathPrograms::stamps() const {
    QList<std::optional<FileStamp>> stamps;
    for (const QString& folder : folders_)
        stamps.append(FileStamp::of(folder));
    return stamps;
}

void PathPrograms::load() {
    if (reading_)
        return;
    const QList<std::optional<FileStamp>> now = stamps();
    if (read_ && now == readStamps_)
        return;
    if (worker_.joinable())
        worker_.join();  // done: it has handed its names over
    readStamps_ = now;
    reading_ = true;
    worker_ = std::thread([this, folders = folders_] {
        QStringList names = programsIn(folders);
        QMetaObject::invokeMethod(
            this,
            [this, names = std::move(names)]() mutable {
                names_ = std::move(names);
                reading_ = false;
                read_ = true;
                emit changed();
            },
            Qt::QueuedConnection);
    });
}

}  // namespace mirato
