#include "MpvEngine.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QMetaObject>
#include <clocale>

Q_LOGGING_CATEGORY(lcMpv, "mirato.components.mpv", QtWarningMsg)

namespace mirato {

namespace {

void setOption(mpv_handle* mpv, const char* name, const char* value) {
    if (mpv_set_option_string(mpv, name, value) < 0)
        qCDebug(lcMpv) << "option refused:" << name << value;
}

}  // namespace

MpvEngine::MpvEngine() : inbox_(new QObject) {
    // libmpv refuses to start unless numbers are formatted the C way.
    std::setlocale(LC_NUMERIC, "C");
    mpv_ = mpv_create();
    if (!mpv_)
        return;
    requestedOutput_ = qEnvironmentVariable("MIRATO_AUDIO_OUTPUT");
    // A music player: no video, no cover art, no terminal, no scripts, modest caches.
    setOption(mpv_, "config", "no");
    setOption(mpv_, "terminal", "no");
    setOption(mpv_, "video", "no");
    setOption(mpv_, "audio-display", "no");
    setOption(mpv_, "input-default-bindings", "no");
    setOption(mpv_, "load-scripts", "no");
    // The built-in Lua helpers (on-screen controller, stats, console, profiles) each cost a
    // scripting state at start; a music player uses none of them.
    for (const char* helper :
         {"osc", "load-stats-overlay", "load-osd-console", "load-auto-profiles"})
        setOption(mpv_, helper, "no");
    setOption(mpv_, "ytdl", "no");
    setOption(mpv_, "idle", "yes");
    setOption(mpv_, "demuxer-max-bytes", "4MiB");
    setOption(mpv_, "demuxer-max-back-bytes", "1MiB");
    setOption(mpv_, "network-timeout", "10");
    setOption(mpv_, "ad-lavc-threads", "1");
    // Without a sound card playback goes on silently rather than stopping.
    QByteArray output = requestedOutput_.isEmpty() ? QByteArray("pipewire,pulse,alsa,jack,null")
                                                   : requestedOutput_.toUtf8();
    if (output == "null-untimed") {
        // Decode as fast as possible: for benchmarks.
        output = "null";
        setOption(mpv_, "ao-null-untimed", "yes");
    }
    setOption(mpv_, "ao", output.constData());
    if (mpv_initialize(mpv_) < 0) {
        qCDebug(lcMpv) << "mpv did not initialise";
        mpv_terminate_destroy(mpv_);
        mpv_ = nullptr;
        return;
    }
    // "mpv 0.35.1", "mpv v0.40.0"
    char* version = mpv_get_property_string(mpv_, "mpv-version");
    const QString text = version ? QString::fromUtf8(version) : QString();
    mpv_free(version);
    const qsizetype dot = text.indexOf(QLatin1String("0."));
    indexBeforeOptions_ =
        dot >= 0 && text.mid(dot + 2).section(QLatin1Char('.'), 0, 0).toInt() >= 38;
    mpv_observe_property(mpv_, 0, "metadata", MPV_FORMAT_NONE);
    mpv_set_wakeup_callback(mpv_, &MpvEngine::wakeup, this);
}

MpvEngine::~MpvEngine() {
    if (mpv_) {
        mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
        mpv_terminate_destroy(mpv_);
    }
    delete inbox_;
}

void MpvEngine::wakeup(void* self) {
    // Called on one of mpv's threads: never touch mpv here, only queue the work.
    auto* engine = static_cast<MpvEngine*>(self);
    QMetaObject::invokeMethod(
        engine->inbox_, [engine] { engine->drainEvents(); }, Qt::QueuedConnection);
}

void MpvEngine::drainEvents() {
    while (mpv_) {
        mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        switch (event->event_id) {
            case MPV_EVENT_FILE_LOADED:
                state_ = EngineState::Playing;
                checkAudioOutput();
                if (listener_)
                    listener_->engineChanged();
                break;
            case MPV_EVENT_END_FILE: {
                const auto* end = static_cast<mpv_event_end_file*>(event->data);
                if (end->reason == MPV_END_FILE_REASON_EOF) {
                    state_ = EngineState::Ended;
                    if (listener_)
                        listener_->engineEnded();
                } else if (end->reason == MPV_END_FILE_REASON_ERROR) {
                    state_ = EngineState::Ended;
                    if (listener_)
                        listener_->engineFailed(QString::fromUtf8(mpv_error_string(end->error)));
                }
                break;
            }
            case MPV_EVENT_PROPERTY_CHANGE:
            case MPV_EVENT_PLAYBACK_RESTART:
                if (listener_)
                    listener_->engineChanged();
                break;
            default:
                break;
        }
    }
}

void MpvEngine::checkAudioOutput() {
    if (!requestedOutput_.isEmpty() || !audioProblem_.isEmpty())
        return;
    char* current = mpv_get_property_string(mpv_, "current-ao");
    const QString output = current ? QString::fromUtf8(current) : QString();
    mpv_free(current);
    if (output.isEmpty() || output == QLatin1String("null"))
        audioProblem_ = QStringLiteral("no audio device could be opened");
}

bool MpvEngine::open(const QString& location) {
    if (!mpv_)
        return false;
    const QByteArray target = location.toUtf8();
    // A local file needs no demuxer thread of its own; a network stream keeps one so a slow
    // server never stalls the audio.
    const bool local = !location.contains(QLatin1String("://"));
    // libmpv 0.38 put an index before the options ("loadfile URL replace -1 OPTIONS"), which
    // 0.35 refuses; named arguments would suit both, but 0.35 leaks their option list.
    const char* options = local ? "demuxer-thread=no" : "";
    const char* older[] = {"loadfile", target.constData(), "replace", options, nullptr};
    const char* newer[] = {"loadfile", target.constData(), "replace", "-1", options, nullptr};
    const int result = mpv_command(mpv_, indexBeforeOptions_ ? newer : older);
    if (result < 0) {
        qCDebug(lcMpv) << "loadfile refused:" << mpv_error_string(result);
        return false;
    }
    int no = 0;
    mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &no);
    state_ = EngineState::Opening;
    return true;
}

void MpvEngine::play() {
    if (!mpv_ || state_ == EngineState::Idle || state_ == EngineState::Ended)
        return;
    int no = 0;
    mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &no);
    if (state_ == EngineState::Paused)
        state_ = EngineState::Playing;
}

void MpvEngine::pause() {
    if (!mpv_ || state_ != EngineState::Playing)
        return;
    int yes = 1;
    mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &yes);
    state_ = EngineState::Paused;
}

void MpvEngine::stop() {
    if (!mpv_)
        return;
    const char* command[] = {"stop", nullptr};
    mpv_command(mpv_, command);
    state_ = EngineState::Idle;
}

void MpvEngine::seek(double seconds) {
    if (!mpv_ || state_ == EngineState::Idle)
        return;
    const QByteArray target = QByteArray::number(seconds, 'f', 3);
    const char* command[] = {"seek", target.constData(), "absolute", nullptr};
    mpv_command(mpv_, command);
}

EngineState MpvEngine::state() const {
    return state_;
}

double MpvEngine::doubleProperty(const char* name) const {
    double value = -1;
    if (!mpv_ || mpv_get_property(mpv_, name, MPV_FORMAT_DOUBLE, &value) < 0)
        return -1;
    return value;
}

double MpvEngine::position() const {
    if (state_ == EngineState::Idle)
        return -1;
    // Right after a gapless switch mpv reports a slightly negative time.
    const double value = doubleProperty("time-pos");
    return value < 0 && value > -1 ? 0 : value;
}

double MpvEngine::duration() const {
    return state_ == EngineState::Idle ? -1 : doubleProperty("duration");
}

QString MpvEngine::tag(const QString& name) const {
    if (!mpv_ || state_ == EngineState::Idle)
        return {};
    const QByteArray property = "metadata/by-key/" + name.toUtf8();
    char* value = mpv_get_property_string(mpv_, property.constData());
    QString text = value ? QString::fromUtf8(value) : QString();
    mpv_free(value);
    if (text.isEmpty() && name == QLatin1String("title")) {
        // Streams name their title under the station's key.
        value = mpv_get_property_string(mpv_, "metadata/by-key/icy-title");
        text = value ? QString::fromUtf8(value) : QString();
        mpv_free(value);
    }
    return text.trimmed();
}

void MpvEngine::setVolume(int volume) {
    if (!mpv_)
        return;
    double value = volume;
    mpv_set_property(mpv_, "volume", MPV_FORMAT_DOUBLE, &value);
}

void MpvEngine::setMute(bool mute) {
    if (!mpv_)
        return;
    int flag = mute ? 1 : 0;
    mpv_set_property(mpv_, "mute", MPV_FORMAT_FLAG, &flag);
}

}  // namespace mirato
