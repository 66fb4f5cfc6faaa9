#include "LyricsHit.h"

#include <algorithm>

namespace mirato::lyricsearch {

QString LyricsHit::label() const {
    QString text = artist.isEmpty() ? track : artist + QStringLiteral(" - ") + track;
    if (!album.isEmpty())
        text += QStringLiteral(" (") + album + QLatin1Char(')');
    // The service's number is bounded before it becomes an int (a day at most).
    if (durationSeconds > 0 && durationSeconds < 86400) {
        const int seconds = static_cast<int>(durationSeconds + 0.5);
        text +=
            QStringLiteral("  %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

void orderHits(QList<LyricsHit>& hits) {
    std::stable_sort(hits.begin(), hits.end(), [](const LyricsHit& a, const LyricsHit& b) {
        return a.hasSynced() && !b.hasSynced();
    });
}

}  // namespace mirato::lyricsearch
