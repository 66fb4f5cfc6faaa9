#pragma once

#include <QStringList>

namespace mirato::lyricsearch {

// The plug-in without a window, as Mirato starts it for a song that has no lyrics:
//   ZuzAzedod --find --source PATH --artist A --title T [--album B] --duration SECONDS
// Found lyrics are kept beside the song as its .lrc (in the lyrics cache folder when the
// song's folder cannot be written) and handed to Mirato as a document; a song the service does
// not know is marked so, and not asked about again for a week. Returns the exit code.
int runFindMode(const QStringList& arguments);

}  // namespace mirato::lyricsearch
