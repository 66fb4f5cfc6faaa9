// An engine that plays nothing but says it does: the third engine of the engine tests, to show
// that one more engine is one more plug-in and nothing else.
#include <QObject>

#include "components/PlaybackEngine.h"

namespace {

class FakeEngine : public mirato::PlaybackEngine {
public:
    void setListener(mirato::EngineListener* listener) override { listener_ = listener; }
    bool open(const QString&) override {
        state_ = mirato::EngineState::Playing;
        if (listener_)
            listener_->engineChanged();
        return true;
    }
    void play() override { state_ = mirato::EngineState::Playing; }
    void pause() override { state_ = mirato::EngineState::Paused; }
    void stop() override { state_ = mirato::EngineState::Idle; }
    void seek(double) override {}
    mirato::EngineState state() const override { return state_; }
    double position() const override { return 1; }
    double duration() const override { return 60; }
    QString tag(const QString& name) const override {
        return name == QLatin1String("title") ? QStringLiteral("from the fake engine") : QString();
    }
    void setVolume(int) override {}
    void setMute(bool) override {}
    QString audioProblem() const override { return {}; }

private:
    mirato::EngineListener* listener_ = nullptr;
    mirato::EngineState state_ = mirato::EngineState::Idle;
};

}  // namespace

class FakeEngineFactory : public QObject, public mirato::PlaybackEngineFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MiratoPlaybackEngineFactory_iid FILE "engine.json")
    Q_INTERFACES(mirato::PlaybackEngineFactory)
public:
    mirato::PlaybackEngine* createEngine() override { return new FakeEngine; }
};

#include "FakeEngine.moc"
