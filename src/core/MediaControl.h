#pragma once

#include <QString>

namespace mirato {

// Everything the program asks of playback. The player component implements it; the other
// windows reach playback only through this interface.
class MediaControl {
public:
    // Play states as the windows test them.
    static constexpr int kStopped = 1;
    static constexpr int kPaused = 2;
    static constexpr int kPlaying = 3;
    static constexpr int kReady = 10;

    virtual ~MediaControl() = default;

    // Writing opens the file, playlist or address and starts playing at once.
    virtual void setUrl(const QString& url) = 0;
    virtual QString url() const = 0;

    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void next() = 0;
    virtual void previous() = 0;

    // "MM:SS"; empty when nothing is loaded.
    virtual QString positionString() const = 0;
    virtual QString durationString() const = 0;
    // "Author", "title" or "sourceURL" of the item playing.
    virtual QString itemInfo(const QString& attribute) const = 0;
    virtual int playState() const = 0;

    // 0..100; values outside are clamped.
    virtual int volume() const = 0;
    virtual void setVolume(int volume) = 0;
    virtual bool mute() const = 0;
    virtual void setMute(bool mute) = 0;

    // "loop" or "shuffle".
    virtual void setMode(const QString& mode, bool on) = 0;
    virtual void setFullScreen(bool on) = 0;
};

}  // namespace mirato
