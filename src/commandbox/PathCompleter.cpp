#include "commandbox/PathCompleter.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>

#include "platform/HostConventions.h"

namespace mirato {

namespace {

QStringList namesIn(const QString& folder) {
    const QDir dir(folder);
    const QDir::Filters hidden = QDir::Hidden | QDir::NoDotAndDotDot;
    QStringList names = dir.entryList(QDir::Dirs | hidden, QDir::Unsorted);
    for (QString& name : names)
        name += QLatin1Char('/');
    names += dir.entryList(QDir::Files | QDir::System | hidden, QDir::Unsorted);
    if (names.size() > PathCompleter::kMostNames)
        names.clear();
    names.sort();
    return names;
}

}  // namespace

PathCompleter::PathCompleter(const HostConventions& conventions, QObject* parent)
    : QObject(parent), conventions_(conventions) {}

PathCompleter::~PathCompleter() {
    if (!worker_.joinable())
        return;
    // A folder on a server that no longer answers keeps its reader waiting for good: the
    // program does not wait with it. What the reader finds then goes nowhere.
    if (reading_.isEmpty())
        worker_.join();
    else
        worker_.detach();
}

QString PathCompleter::complete(const QString& typed) {
    if (conventions_.isWindows() || !conventions_.isLocalPath(typed))
        return {};
    const qsizetype slash = typed.lastIndexOf(QLatin1Char('/'));
    const QString part = typed.mid(slash + 1);
    if (part.isEmpty())
        return {};
    const QString folder = conventions_.expandLocalPath(typed.left(slash + 1));
    const auto found = folders_.constFind(folder);
    if (found == folders_.cend()) {
        read(folder);
        return {};
    }
    const QString best = bestName(*found, part);
    return best.isEmpty() ? QString() : typed.left(slash + 1) + best;
}

QString PathCompleter::bestName(const QStringList& names, const QString& part) {
    const bool hiddenToo = part.startsWith(QLatin1Char('.'));
    const QString* best = nullptr;
    bool bestSameCase = false;
    for (const QString& name : names) {
        if (!name.startsWith(part, Qt::CaseInsensitive) ||
            (!hiddenToo && name.startsWith(QLatin1Char('.'))))
            continue;
        const bool sameCase = name.startsWith(part);
        if (!best || (sameCase && !bestSameCase) ||
            (sameCase == bestSameCase && name.size() < best->size())) {
            best = &name;
            bestSameCase = sameCase;
        }
    }
    if (!best || *best == part)
        return {};
    return *best;
}

void PathCompleter::read(const QString& folder) {
    if (!reading_.isEmpty()) {
        if (folder != reading_)
            wanted_ = folder;
        return;
    }
    if (worker_.joinable())
        worker_.join();  // done: it has handed its names over
    reading_ = folder;
    worker_ = std::thread([self = QPointer<PathCompleter>(this), folder] {
        QStringList names = namesIn(folder);
        QCoreApplication* application = QCoreApplication::instance();
        if (!application)
            return;
        // Handed over on the main thread, where the completer may be gone by then.
        QMetaObject::invokeMethod(
            application,
            [self, folder, names = std::move(names)]() mutable {
                if (self)
                    self->take(folder, std::move(names));
            },
            Qt::QueuedConnection);
    });
}

void PathCompleter::take(const QString& folder, QStringList names) {
    reading_.clear();
    if (folders_.size() >= kMostFolders)
        folders_.clear();
    folders_.insert(folder, std::move(names));
    emit folderRead();
    if (!wanted_.isEmpty()) {
        const QString next = std::exchange(wanted_, QString());
        if (!folders_.contains(next))
            read(next);
    }
}

}  // namespace mirato
