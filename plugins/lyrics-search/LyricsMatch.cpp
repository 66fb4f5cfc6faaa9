#include "LyricsMatch.h"

#include <cmath>

namespace mirato::lyricsearch {

namespace LyricsMatch {

QString normalised(const QString& text) {
    QString plain;
    int depth = 0;
    for (const QChar c : text.toCaseFolded()) {
        if (c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('{')) {
            ++depth;
            continue;
        }
        if (c == QLatin1Char(')') || c == QLatin1Char(']') || c == QLatin1Char('}')) {
            depth = std::max(0, depth - 1);
            continue;
        }
        if (depth > 0)
            continue;
        plain += c.isLetterOrNumber() ? c : QLatin1Char(' ');
    }
    return plain.simplified();
}

std::optional<LyricsHit> best(const QList<LyricsHit>& hits, const SongQuery& song) {
    const QString title = normalised(song.title);
    const QString artist = normalised(song.artist);
    if (title.isEmpty() || artist.isEmpty())
        return std::nullopt;
    std::optional<LyricsHit> chosen;
    double nearest = kDurationToleranceSeconds;
    for (const LyricsHit& hit : hits) {
        if (!hit.hasSynced() || normalised(hit.track) != title || normalised(hit.artist) != artist)
            continue;
        // Without a duration on either side there is nothing to tell two masters apart by.
        if (song.durationSeconds <= 0 || hit.durationSeconds <= 0)
            continue;
        const double off = std::abs(hit.durationSeconds - song.durationSeconds);
        if (off <= nearest) {
            nearest = off;
            chosen = hit;
        }
    }
    return chosen;
}

}  // namespace LyricsMatch

}  // namespace mirato::lyricsearch
