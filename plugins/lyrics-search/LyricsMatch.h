#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "LyricsHit.h"

namespace mirato::lyricsearch {

// The song whose lyrics are looked for, as Mirato describes it.
struct SongQuery {
    QString artist;
    QString title;
    QString album;
    double durationSeconds = 0;
};

namespace LyricsMatch {

// A title or an artist as compared: case, punctuation and bracketed additions ("(Remastered)",
// "[Live]") do not count.
QString normalised(const QString& text);
// The service's hit that is this song: the same title and artist, a duration within
// kDurationToleranceSeconds, timed lyrics; of several, the nearest duration. Nothing when no
// hit is acceptable: an unrelated song's lyrics are worse than none.
std::optional<LyricsHit> best(const QList<LyricsHit>& hits, const SongQuery& song);
constexpr double kDurationToleranceSeconds = 5;

}  // namespace LyricsMatch

}  // namespace mirato::lyricsearch
