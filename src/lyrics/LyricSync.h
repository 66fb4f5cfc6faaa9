#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <optional>

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/MediaControl.h"
#include "lyrics/LrcDocument.h"
#include "lyrics/LyricsArrival.h"
#include "lyrics/LyricsView.h"
#include "platform/HostConventions.h"

namespace mirato {

class Settings;

// Shows the line of timed lyrics that playback has reached: in the command box (the shared
// lyric line), in the desktop lyrics window (with the lines around it, its translation and
// the words sung) and in the setting "LRC" for plug-ins. The lyrics of a local song are the
// .lrc beside it, else the one kept for it in the lyrics cache folder; a song that has none
// when it starts gets them as soon as they appear at either place.
//
// It follows what the player tells; between two position reports it keeps its own clock and
// wakes when the next line or word is due, so a line shows within a few milliseconds of its
// time tag and nothing runs while nothing plays.
class LyricSync : public QObject {
    Q_OBJECT
public:
    // cacheFolder: where lyrics found for songs in folders that cannot be written are kept;
    // clock: what the sync counts the time between the player's reports by.
    LyricSync(AppState& state, Settings& settings, MediaControl& media,
              const HostConventions& conventions, QString cacheFolder = defaultCacheFolder(),
              const Clock& clock = Clock::steady(), QObject* parent = nullptr);

    // $XDG_CACHE_HOME/mirato/lyrics.
    static QString defaultCacheFolder();

    // Where the lines show while the desktop lyrics window is loaded (nullptr once it is
    // gone); a new view shows the lines of the moment at once.
    void setView(LyricsView* view);

    // Follows the player while the player window is loaded.
    void setActive(bool active);

    // No lyrics for the media playing.
    void showNoLyrics();
    // Drops the lines and shows that there are none (a stream was started, the player closed).
    void forget();
    // The player closed or the program ends: the lines go, and plug-ins read "Close" where
    // the song's name was.
    void playerClosed();
    // Lyrics handed over as a document while a song plays: they replace the lines shown.
    bool loadDocument(const QString& path);
    // Moves the song's lyrics earlier (positive) or later by ms and writes the new offset into
    // its lyrics file; the new offset, or nothing when the song has no lyrics file.
    std::optional<qint64> nudge(qint64 earlierMs);

    const LrcDocument& document() const { return document_; }
    bool hasLines() const { return !document_.isEmpty(); }
    // The file the lines come from ("" for none).
    const QString& lyricsFile() const { return lyricsFile_; }
    // The lyrics waiting for their next line or word.
    bool syncing() const { return nextTimer_.isActive(); }
    // A song without lyrics plays: lyrics appearing at its places are taken.
    bool awaitingLyrics() const { return arrival_.waiting(); }

    // The lyrics file of a media path: the path without its last four characters plus ".lrc".
    static QString lyricsFileOf(const QString& source);
    // Where lyrics found for the source are kept when its folder cannot be written.
    QString cachedLyricsOf(const QString& source) const;

signals:
    // A local song plays that has no lyrics anywhere: a finder may look for them.
    void lyricsMissing(const QString& source);

private:
    void itemChanged(const QString& source);
    void stateChanged(PlayState state);
    void positionChanged(std::chrono::milliseconds position);
    void load(const QString& source);
    // Shows the lyrics of the file found for the song that plays.
    bool takeLyricsOfSong(const QString& file);
    bool takeFile(const QString& path);
    // Shows what is due at the clock's time and waits for what comes next.
    void sync();
    // Takes the player's position as the clock's new start, or where the clock stands when
    // the player does not know.
    void anchorAtPlayer();
    qint64 nowMs() const;
    void clearLines();
    void writeLrc(const QString& value);
    QString noLineText() const;
    void show(const LyricsMoment& moment);

    AppState& state_;
    Settings& settings_;
    MediaControl& media_;
    const HostConventions& conventions_;
    const QString cacheFolder_;

    LyricsView* view_ = nullptr;
    bool active_ = false;
    LrcDocument document_;
    QString lyricsFile_;
    QString loadedFor_;  // the source whose lyrics were looked for
    LyricsMoment shown_;
    QString lastLrc_;  // what "LRC" holds, so an unchanged line is not written again
    // The player's last report and when it came.
    const Clock& clock_;
    qint64 anchorMs_ = 0;
    std::chrono::milliseconds anchoredAt_{0};
    bool playing_ = false;
    QTimer nextTimer_;
    LyricsArrival arrival_;
};

}  // namespace mirato
