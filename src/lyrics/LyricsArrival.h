#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace mirato {

// Tells when lyrics appear at one of the places a song's lyrics may lie while the song plays
// without any: dropped in by the user, written by another program. It watches the places'
// folders, lets a burst of changes settle, and reports a file once it has something in it (one
// that appeared empty is looked at again for a few seconds), so a file still being written is
// not taken half empty.
class LyricsArrival : public QObject {
    Q_OBJECT
public:
    explicit LyricsArrival(QObject* parent = nullptr);

    // Waits for the first of files to appear (their folders are made when missing); what it
    // waited for before is forgotten.
    void await(const QStringList& files);
    // Waits for nothing more (the folders stay watched, unheeded, until the next wait).
    void stop();
    bool waiting() const { return !files_.isEmpty(); }

signals:
    // One of the awaited files exists and is not empty; the wait is over.
    void appeared(const QString& file);

private:
    void check();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QStringList files_;
    int emptyLooks_ = 0;  // looks at a file that is there but still empty
};

}  // namespace mirato
