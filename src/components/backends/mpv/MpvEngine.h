#pragma once

#include <mpv/client.h>

#include <QObject>

#include "components/PlaybackEngine.h"

namespace mirato {

// Plays files and streams with libmpv, audio only. mpv's events are fetched on the
// user-interface thread: the wakeup callback only queues a call there.
class MpvEngine : public PlaybackEngine {
public:
    MpvEngine();
    ~MpvEngine() override;

    void setListener(EngineListener* listener) override { listener_ = listener; }
    bool open(const QString& location) override;
    void play() override;
    void pause() override;
    void stop() override;
    void seek(double seconds) override;
    EngineState state() const override;
    double position() const override;
    double duration() const override;
    QString tag(const QString& name) const override;
    void setVolume(int volume) override;
    void setMute(bool mute) override;
    QString audioProblem() const override { return audioProblem_; }

private:
    static void wakeup(void* self);
    void drainEvents();
    double doubleProperty(const char* name) const;
    void checkAudioOutput();

    bool indexBeforeOptions_ = false;  // libmpv 0.38 and later
    mpv_handle* mpv_ = nullptr;
    QObject* inbox_ = nullptr;  // lives on the UI thread; queued calls land here
    EngineListener* listener_ = nullptr;
    EngineState state_ = EngineState::Idle;
    QString requestedOutput_;
    QString audioProblem_;
};

class MpvEngineFactory : public QObject, public PlaybackEngineFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MiratoPlaybackEngineFactory_iid FILE "engine.json")
    Q_INTERFACES(mirato::PlaybackEngineFactory)
public:
    PlaybackEngine* createEngine() override { return new MpvEngine; }
};

}  // namespace mirato
