#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <thread>

namespace mirato {

class HostConventions;

// Completes a typed local path by a name of its folder: "/usr/sh" becomes "/usr/share/" (a
// folder ends in "/"), "~/doc" "~/Documents/". A folder is read on a worker thread the first
// time a path in it is typed and kept until forget(): a keystroke never waits for a disk, and
// the completion follows (folderRead()) once the folder is known.
class PathCompleter : public QObject {
    Q_OBJECT
public:
    // More names than this in one folder are not offered (a folder of a million files).
    static constexpr qsizetype kMostNames = 50000;
    // Folders kept at most; reading one more forgets the others.
    static constexpr qsizetype kMostFolders = 32;

    explicit PathCompleter(const HostConventions& conventions, QObject* parent = nullptr);
    ~PathCompleter() override;

    // The typed path with its last part completed, or "": not a local path, no part of a name
    // typed yet, nothing in the folder to add, or the folder not read yet. A name in the same
    // case wins over one in another case; then the shorter, then the first in order. Hidden
    // names are offered only once a "." is typed.
    QString complete(const QString& typed);
    // The folders may have changed: each is read again when next needed.
    void forget() { folders_.clear(); }

    // The name of a folder that a typed part of a name continues best, by the rules above;
    // "" when none adds anything.
    static QString bestName(const QStringList& names, const QString& part);

signals:
    void folderRead();

private:
    void read(const QString& folder);
    void take(const QString& folder, QStringList names);

    const HostConventions& conventions_;
    QHash<QString, QStringList> folders_;  // sorted names, folders with their "/"
    QString reading_;                      // the folder the worker reads, "" when none
    QString wanted_;                       // the folder asked for meanwhile
    std::thread worker_;
};

}  // namespace mirato
