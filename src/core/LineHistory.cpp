#include "core/LineHistory.h"

#include <QFile>
#include <QLoggingCategory>

#include "core/FileCopy.h"

Q_LOGGING_CATEGORY(lcHistory, "mirato.core.history", QtWarningMsg)

namespace mirato {

LineHistory::LineHistory(QString filePath, QObject* parent)
    : QObject(parent), filePath_(std::move(filePath)) {
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(2000);
    connect(&saveTimer_, &QTimer::timeout, this, &LineHistory::save);
    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (!line.isEmpty() && !isPrivate(line) && !lines_.contains(line))
            lines_.append(line);
        if (lines_.size() == kLimit)
            break;
    }
}

bool LineHistory::isPrivate(const QString& line) {
    return line.startsWith(QLatin1Char(' ')) || line.startsWith(QLatin1Char('\t'));
}

bool LineHistory::remember(const QString& line) {
    // A line break would split the line in the file; the box cannot type one anyway.
    if (line.trimmed().isEmpty() || isPrivate(line) || line.contains(QLatin1Char('\n')) ||
        line.contains(QLatin1Char('\r')))
        return false;
    lines_.removeAll(line);
    lines_.prepend(line);
    if (lines_.size() > kLimit)
        lines_.resize(kLimit);
    saveTimer_.start();
    return true;
}

LineHistory::~LineHistory() {
    if (saveTimer_.isActive())
        save();
}

void LineHistory::clear() {
    saveTimer_.stop();
    lines_.clear();
    if (QFile::exists(filePath_) && !QFile::remove(filePath_))
        qCDebug(lcHistory) << "cannot remove" << filePath_;
}

bool LineHistory::save() {
    saveTimer_.stop();
    // Only the owner may read what was typed.
    if (FileCopy::write(filePath_, (lines_.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(),
                        FileCopy::Readers::OwnerOnly))
        return true;
    qCDebug(lcHistory) << "cannot write" << filePath_;
    return false;
}

}  // namespace mirato
