#include "lyrics/LyricsArrival.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcLyrics)

namespace mirato {

namespace {

// A program writing a file makes several changes in a row (create, write, rename); the check
// runs once they have come to rest.
constexpr int kSettleMs = 150;

}  // namespace

LyricsArrival::LyricsArrival(QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &LyricsArrival::check);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
}

void LyricsArrival::await(const QStringList& files) {
    stop();
    files_ = files;
    for (const QString& file : files) {
        const QString folder = QFileInfo(file).absolutePath();
        if (!QDir().mkpath(folder) || !watcher_.addPath(folder))
            qCDebug(lcLyrics) << "cannot watch" << folder;
    }
    // Written between the look and the watch: it still counts.
    check();
}

void LyricsArrival::stop() {
    settle_.stop();
    files_.clear();
    const QStringList watched = watcher_.directories() + watcher_.files();
    if (!watched.isEmpty())
        watcher_.removePaths(watched);
}

void LyricsArrival::check() {
    for (const QString& file : std::as_const(files_)) {
        const QFileInfo info(file);
        if (!info.isFile())
            continue;
        if (info.size() > 0) {
            stop();
            emit appeared(file);
            return;
        }
        // Made but not yet written: its own changes tell when it is.
        if (!watcher_.files().contains(file))
            watcher_.addPath(file);
    }
}

}  // namespace mirato
