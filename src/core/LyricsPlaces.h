#pragma once

#include <QString>

namespace mirato::LyricsPlaces {

// Where the lyrics of a song are looked for and kept, shared by the program and the lyrics
// plug-in.

// $XDG_CACHE_HOME/mirato/lyrics.
QString cacheFolder();
// Beside the song: its path without the last four characters plus ".lrc".
QString besideSong(const QString& source);
// In the cache folder, for songs whose own folder cannot be written: the song's name and a
// digest of its whole path, so two songs of one name in two folders keep apart.
QString cached(const QString& cacheFolder, const QString& source);
// The document the lyrics plug-in hands over with lyrics it found by itself for the song.
QString found(const QString& cacheFolder, const QString& source);
// Whether a handed-over document is one of those (for whichever song).
bool isFound(const QString& cacheFolder, const QString& document);
// The mark that the lyrics service does not know the song, written when it was asked.
QString notFoundMark(const QString& cacheFolder, const QString& source);
// A song the service did not know is asked about again after this many days.
constexpr int kDaysBeforeAskingAgain = 7;
bool askedRecently(const QString& cacheFolder, const QString& source);

}  // namespace mirato::LyricsPlaces
