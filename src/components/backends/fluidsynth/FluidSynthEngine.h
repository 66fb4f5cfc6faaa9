#pragma once

#include <fluidsynth.h>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "components/PlaybackEngine.h"

namespace mirato {

// Plays Standard MIDI files with libfluidsynth and a General MIDI soundfont. Without an audio
// device (or when asked for the null output) the synthesizer is driven by a timer in real
// time, so position, end and lyrics behave the same, silently.
class FluidSynthEngine : public PlaybackEngine {
public:
    FluidSynthEngine();
    ~FluidSynthEngine() override;

    void setListener(EngineListener* listener) override { listener_ = listener; }
    bool open(const QString& location) override;
    void play() override;
    void pause() override;
    void stop() override;
    void seek(double seconds) override;
    EngineState state() const override { return state_; }
    double position() const override;
    double duration() const override;
    QString tag(const QString&) const override { return {}; }
    void setVolume(int volume) override;
    void setMute(bool mute) override;
    QString audioProblem() const override { return audioProblem_; }

    static QString soundFont();

private:
    void closePlayer();
    void tick();
    void renderSilently();
    double secondsPerTick() const;
    void applyGain();

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    fluid_player_t* player_ = nullptr;
    QTimer watch_;         // end of file, and silent rendering
    QElapsedTimer clock_;  // real time for silent rendering
    qint64 renderedUntil_ = 0;
    EngineListener* listener_ = nullptr;
    EngineState state_ = EngineState::Idle;
    QString audioProblem_;
    double division_ = 0;
    bool smpte_ = false;
    int volume_ = 50;
    bool mute_ = false;
};

class FluidSynthEngineFactory : public QObject, public PlaybackEngineFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MiratoPlaybackEngineFactory_iid FILE "engine.json")
    Q_INTERFACES(mirato::PlaybackEngineFactory)
public:
    PlaybackEngine* createEngine() override { return new FluidSynthEngine; }
};

}  // namespace mirato
