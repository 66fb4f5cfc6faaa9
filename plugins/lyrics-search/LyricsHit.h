#pragma once

#include <QList>
#include <QString>

namespace mirato::lyricsearch {

// One answer of the lyrics service.
struct LyricsHit {
    QString track;
    QString artist;
    QString album;
    double durationSeconds = 0;
    QString synced;  // LRC text with time tags; empty when the service has none
    QString plain;

    bool hasSynced() const { return !synced.trimmed().isEmpty(); }
    // "Artist - Title (Album) 3:41", for the list.
    QString label() const;
};

// Timed lyrics first, the service's order kept otherwise.
void orderHits(QList<LyricsHit>& hits);

}  // namespace mirato::lyricsearch
