#pragma once

#include <QString>
#include <QStringList>

namespace mirato {

// Reads the entries of M3U (plain or extended), WPL and ASX playlists, as real-world files
// come: any case of tags, byte-order marks, CRLF, comments, XML entities, relative entries
// (resolved against the list's folder), UTF-8 or a legacy Chinese encoding.
class PlaylistReader {
public:
    // True when the location names a playlist by its extension.
    static bool isPlaylist(const QString& location);
    // Lists inside lists are read this deep at most.
    static constexpr int kMaxNesting = 8;

    // The entries in order; empty when the file cannot be read. A list among the entries
    // gives its own entries in its place, unless it is a list already being read (a list that
    // names itself, directly or through another).
    static QStringList read(const QString& path);
    // The same from a list's text; folder resolves relative entries.
    static QStringList parse(const QByteArray& data, const QString& extension,
                             const QString& folder);

private:
    static QStringList readNested(const QString& path, QStringList opened);
};

}  // namespace mirato
