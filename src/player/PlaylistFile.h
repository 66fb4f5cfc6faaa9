#pragma once

#include <QString>
#include <QStringList>

namespace mirato {

// Playlists as this program writes them: one full path per line, each line ended by CR LF,
// no header and no comments, UTF-8.
namespace PlaylistFile {

// Replaces the file (creating its folder); false when it cannot be written.
bool write(const QString& path, const QStringList& entries);

}  // namespace PlaylistFile

}  // namespace mirato
