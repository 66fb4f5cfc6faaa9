#pragma once

#include <QString>
#include <QtPlugin>

#include "core/Loudness.h"

namespace mirato {

// Told by an engine, always on the user-interface thread, when something changed.
class EngineListener {
public:
    virtual ~EngineListener() = default;
    // The state, the position or the tags changed.
    virtual void engineChanged() = 0;
    // The item played to its end, and nothing was queued after it.
    virtual void engineEnded() = 0;
    // The queued item (location) took over from the one that ended: it is being read, and its
    // first sample follows the other's last. Whatever is to follow it is queued now.
    virtual void engineBegan(const QString& location) = 0;
    // The item begun is heard from now on; until this, the engine tells the one before.
    virtual void engineAdvanced(const QString& location) = 0;
    // The item cannot be played; the reason is for the debug log.
    virtual void engineFailed(const QString& reason) = 0;
};

enum class EngineState { Idle, Opening, Playing, Paused, Ended };

// One playback engine (a backend plug-in). Plain virtual calls only: the engine lives in a
// shared library loaded at run time, and the program never shares a Qt meta-object with it.
class PlaybackEngine {
public:
    virtual ~PlaybackEngine() = default;

    virtual void setListener(EngineListener* listener) = 0;
    // Opens a file or address and starts playing at once; false when it cannot even start.
    virtual bool open(const QString& location) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void seek(double seconds) = 0;

    virtual EngineState state() const = 0;
    // Seconds; negative when unknown.
    virtual double position() const = 0;
    virtual double duration() const = 0;
    // "artist" or "title" of the item, "" when it has none.
    virtual QString tag(const QString& name) const = 0;

    // 0..100.
    virtual void setVolume(int volume) = 0;
    virtual void setMute(bool mute) = 0;

    // The item to play when the current one ends, prepared while it plays so that the two join
    // without a gap ("" forgets it). Opening or stopping forgets it too. False when this engine
    // cannot: the player then opens the next item once the current one has ended.
    virtual bool queue(const QString& location) {
        Q_UNUSED(location);
        return false;
    }
    // How loud each song plays, from its ReplayGain tags.
    virtual void setLoudness(Loudness loudness) { Q_UNUSED(loudness); }

    // Why no sound can be heard (no audio device), "" when all is well. Playback goes on.
    virtual QString audioProblem() const = 0;
};

// The object a backend plug-in exports.
class PlaybackEngineFactory {
public:
    virtual ~PlaybackEngineFactory() = default;
    virtual PlaybackEngine* createEngine() = 0;
};

}  // namespace mirato

#define MiratoPlaybackEngineFactory_iid "org.mirato.PlaybackEngineFactory/1"
Q_DECLARE_INTERFACE(mirato::PlaybackEngineFactory, MiratoPlaybackEngineFactory_iid)
