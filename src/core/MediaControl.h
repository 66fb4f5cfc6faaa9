#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <optional>

#include "core/Loudness.h"
#include "core/MediaItem.h"
#include "core/PlayMode.h"

namespace mirato {

// What playback is doing. Nothing: no location was ever given (or the last one was cleared);
// Opening: a location is being read and has not begun.
enum class PlayState { Nothing, Stopped, Paused, Playing, Opening };

// Everything the program asks of playback. The player component implements it; the other
// windows reach playback only through this interface, and follow it by its signals rather
// than by asking on a timer.
class MediaControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~MediaControl() override = default;

    // Writing opens the file, playlist or address and starts playing at once.
    virtual void setUrl(const QString& url) = 0;
    virtual QString url() const = 0;

    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void next() = 0;
    virtual void previous() = 0;

    // The item of the list playing or last played (its location alone while it opens or after
    // it ended); an empty item when there is none.
    virtual MediaItem item() const = 0;
    // How far into the item playback is; none when nothing is loaded.
    virtual std::optional<std::chrono::milliseconds> position() const = 0;
    virtual PlayState playState() const = 0;

    // 0..100; values outside are clamped.
    virtual int volume() const = 0;
    virtual void setVolume(int volume) = 0;
    virtual bool mute() const = 0;
    virtual void setMute(bool mute) = 0;

    virtual void setMode(PlayMode mode, bool on) = 0;
    virtual void setFullScreen(bool on) = 0;
    // The level songs play at, from their ReplayGain tags.
    virtual void setLoudness(Loudness loudness) = 0;

signals:
    // The play state changed (see playState()).
    void stateChanged(mirato::PlayState state);
    // While playing, a few times a second, and at once after a new item, a seek or a pause: a
    // listener that needs finer steps keeps its own clock from there.
    void positionChanged(std::chrono::milliseconds position);
    // Another item plays: its location ("" when nothing does any more).
    void itemChanged(const QString& source);
    // The item's title, artist or duration became known or changed.
    void tagsChanged();
    // The volume or the mute switch changed.
    void volumeChanged();
    // Loop or shuffle was switched.
    void modesChanged();
};

}  // namespace mirato
