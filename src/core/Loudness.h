#pragma once

namespace mirato {

// Which ReplayGain tags set a song's level: none, the song's own, or its album's (the songs
// of one record keep their differences).
enum class Loudness { Off, Track, Album };

}  // namespace mirato
