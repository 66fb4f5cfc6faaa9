#pragma once

#include <QString>

namespace mirato {

// Which ReplayGain tags set a song's level: none, the song's own, or its album's (the songs
// of one record keep their differences).
enum class Loudness { Off, Track, Album };

namespace Loudnesses {
// The setting's texts "Off", "Track" and "Album"; anything else reads as Track.
Loudness fromSetting(const QString& text);
QString toSetting(Loudness loudness);
}  // namespace Loudnesses

}  // namespace mirato
