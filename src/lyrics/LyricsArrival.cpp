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
// A file made but still empty is looked at again on that beat for a while (a watch on the file
// itself would be one more watch to take down and put up at every song).
constexpr int kEmptyLooks = 40;

}  // namespace

LyricsArrival::LyricsArrival(QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &LyricsArrival::check);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (files_.isEmpty())
            return;  // a folder still watched from the last wait
        emptyLooks_ = 0;
        settle_.start();
    });
}

void LyricsArrival::await(const QStringList& files) {
    stop();
    files_ = files;
    emptyLooks_ = 0;
    // The folders stay watched from one song to the next while they are the same: no watch is
    // taken down to be put up again at once.
    QStringList folders;
    for (const QString& file : files)
        folders.append(QFileInfo(file).absolutePath());
    QStringList stale;
    for (const QString& folder : watcher_.directories()) {
        if (!folders.contains(folder))
            stale.append(folder);
    }
    if (!stale.isEmpty())
        watcher_.removePaths(stale);
    for (const QString& folder : std::as_const(folders)) {
        if (watcher_.directories().contains(folder))
            continue;
        if (!QDir().mkpath(folder) || !watcher_.addPath(folder))
            qCDebug(lcLyrics) << "cannot watch" << folder;
    }
    // Written between the look and the watch: it still counts.
    check();
}

void LyricsArrival::stop() {
    // What the folders tell from now on is not looked at.
    settle_.stop();
    files_.clear();
}

void LyricsArrival::check() {
    for (const QString& file : std::as_const(files_)) {
        const QFileInfo info(file);
        if (!info.isFile())
            continue;
        if (info.size() > 0) {
            // stop() empties the list this name is in.
            const QString found = file;
            stop();
            emit appeared(found);
            return;
        }
        // Made but not yet written.
        if (++emptyLooks_ <= kEmptyLooks)
            settle_.start();
    }
}

}  // namespace mirato
