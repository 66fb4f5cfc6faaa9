#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "core/AppState.h"
#include "core/MediaControl.h"
#include "lyrics/LyricsView.h"
#include "platform/HostConventions.h"

namespace mirato {

class Settings;

// Finds the .lrc file beside a local media file and shows the line whose time tag matches the
// play position: in the command box (the shared lyric line), in the desktop lyrics window and
// in the setting "LRC" for plug-ins. A line matches when it contains the position text
// ("01:23") anywhere; of all matching lines the last one in the file stays shown.
//
// Three timers drive it while the player is loaded: the track-start check (500 ms, first
// seconds only), the check while playing (10 s) and the line sync (200 ms, while lyrics are
// loaded).
class LyricSync : public QObject {
    Q_OBJECT
public:
    LyricSync(AppState& state, Settings& settings, MediaControl& media,
              const HostConventions& conventions, QObject* parent = nullptr);

    // Where the three lines show while the desktop lyrics window is loaded (nullptr once it is
    // gone); a new view shows the lines of the moment at once.
    void setView(LyricsView* view);

    // Starts or stops the timers (they run while the player window is loaded).
    void setActive(bool active);

    // The 500 ms check: loads lyrics within the first seconds of a track.
    void checkTrackStart();
    // The 10 s check: catches tracks whose first seconds were missed.
    void checkWhilePlaying();
    // The 200 ms sync step.
    void tick();
    // No lyrics for the media playing.
    void showNoLyrics();
    // Drops the lines and shows that there are none (a stream was started, the player closed).
    void forget();
    // Lyrics handed over as a document while a song plays: they replace the lines shown.
    bool loadDocument(const QString& path);

    const QStringList& lines() const { return lines_; }
    bool syncing() const { return syncTimer_.isActive(); }

    // The lyrics file of a media path: the path without its last four characters plus ".lrc".
    static QString lyricsFileOf(const QString& source);
    // The line shown at a position ("01:23"): the last that contains it; -1 for none.
    static qsizetype lineAt(const QStringList& lines, const QString& position);

private:
    void loadFile(const QString& source, const QString& lyricsFile);
    void clearLines();
    void writeLrc(const QString& value);
    QString noLineText() const;
    bool isLocal(const QString& source) const;

    AppState& state_;
    Settings& settings_;
    MediaControl& media_;
    const HostConventions& conventions_;
    void showOnView(const QString& previous, const QString& current, const QString& next);

    LyricsView* view_ = nullptr;
    QString shown_[3];  // the lines last shown: previous, current, next
    QStringList lines_;
    QString lastLrc_;  // what "LRC" holds, so an unchanged line is not written again
    QTimer syncTimer_;
    QTimer startTimer_;
    QTimer playingTimer_;
};

}  // namespace mirato
