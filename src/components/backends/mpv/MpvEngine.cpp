#include "MpvEngine.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <string>

Q_LOGGING_CATEGORY(lcMpv, "mirato.components.mpv", QtWarningMsg)

namespace mirato {

namespace {

void setOption(mpv_handle* mpv, const char* name, const char* value) {
    if (mpv_set_option_string(mpv, name, value) < 0)
        qCDebug(lcMpv) << "option refused:" << name << value;
}

}  // namespace

MpvEngine::MpvEngine() {
    // libmpv refuses to start unless numbers are formatted the C way. That one category is all
    // it gets: the rest of the user's locale (the character type above all, by which Xlib
    // encodes window titles) is kept, and put back should the engine's libraries change it.
    std::setlocale(LC_NUMERIC, "C");
    userLocale_ = std::setlocale(LC_ALL, nullptr);
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
    // Songs of a list join without a gap: the output stays open in the first song's format
    // (later ones are converted to it), and the next file is opened before the current ends.
    setOption(mpv_, "gapless-audio", "yes");
    setOption(mpv_, "prefetch-playlist", "yes");
    setOption(mpv_, "replaygain", "track");
    // Without a sound card playback goes on silently rather than stopping.
    QByteArray output =
        requestedOutput_.isEmpty() ? QByteArray(MIRATO_MPV_OUTPUTS) : requestedOutput_.toUtf8();
    if (output == "null-untimed") {
        // Decode as fast as possible: for benchmarks.
        output = "null";
        setOption(mpv_, "ao-null-untimed", "yes");
    } else if (output.startsWith("pcm:")) {
        // Every sample played, as 16-bit stereo at 44.1 kHz without a header, into one file:
        // for tests of what is heard. The file is begun afresh whenever the output reopens.
        setOption(mpv_, "ao-pcm-file", output.mid(4).constData());
        setOption(mpv_, "ao-pcm-waveheader", "no");
        setOption(mpv_, "audio-format", "s16");
        setOption(mpv_, "audio-samplerate", "44100");
        setOption(mpv_, "audio-channels", "stereo");
        output = "pcm";
    }
    setOption(mpv_, "ao", output.constData());
    const bool initialised = mpv_initialize(mpv_) >= 0;
    keepUserLocale();
    if (!initialised) {
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
    delete inbox_.load();
}

void MpvEngine::setListener(EngineListener* listener) {
    listener_ = listener;
    if (inbox_.load())
        return;
    auto* inbox = new QObject;
    leadTimer_ = new QTimer(inbox);
    leadTimer_->setSingleShot(true);
    leadTimer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(leadTimer_, &QTimer::timeout, inbox, [this] { checkLead(); });
    inbox_.store(inbox);
    // What happened before anyone listened (a song opened on another thread) is told now.
    QMetaObject::invokeMethod(
        inbox, [this] { drainEvents(); }, Qt::QueuedConnection);
}

void MpvEngine::keepUserLocale() {
    const char* now = std::setlocale(LC_ALL, nullptr);
    if (now && userLocale_ == now)
        return;
    qCDebug(lcMpv) << "the locale changed to" << now << "- back to" << userLocale_.c_str();
    std::setlocale(LC_ALL, userLocale_.c_str());
}

void MpvEngine::wakeup(void* self) {
    // Called on one of mpv's threads: never touch mpv here, only queue the work.
    auto* engine = static_cast<MpvEngine*>(self);
    QObject* inbox = engine->inbox_.load();
    // Without a listener yet the events wait in mpv's queue: setting one drains them.
    if (inbox)
        QMetaObject::invokeMethod(
            inbox, [engine] { engine->drainEvents(); }, Qt::QueuedConnection);
}

void MpvEngine::drainEvents() {
    while (mpv_) {
        mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        switch (event->event_id) {
            case MPV_EVENT_START_FILE: {
                // An entry this engine appended starts only when mpv goes on to it by itself.
                const auto* start = static_cast<mpv_event_start_file*>(event->data);
                const auto queued = appended_.find(start->playlist_entry_id);
                if (queued != appended_.end()) {
                    const QString location = queued->second;
                    appended_.clear();
                    beginQueued(location);
                }
                break;
            }
            case MPV_EVENT_FILE_LOADED:
                keepUserLocale();
                checkAudioOutput();
                remember();
                if (leading_)
                    break;
                state_ = EngineState::Playing;
                if (listener_)
                    listener_->engineChanged();
                break;
            case MPV_EVENT_END_FILE: {
                const auto* end = static_cast<mpv_event_end_file*>(event->data);
                const bool ended = end->reason == MPV_END_FILE_REASON_EOF;
                const bool failed = end->reason == MPV_END_FILE_REASON_ERROR;
                // A queued file that failed, or ended before it was even heard (a very short
                // one, or an output that does not keep time), is told all the same.
                if (ended || failed)
                    finishLead();
                if (ended && queued_) {
                    // mpv goes on to the queued item by itself.
                } else if (ended) {
                    state_ = EngineState::Ended;
                    if (listener_)
                        listener_->engineEnded();
                } else if (failed) {
                    state_ = EngineState::Ended;
                    if (listener_)
                        listener_->engineFailed(QString::fromUtf8(mpv_error_string(end->error)));
                }
                break;
            }
            case MPV_EVENT_PLAYBACK_RESTART:
                leadSynced_ = leading_;
                [[fallthrough]];
            case MPV_EVENT_PROPERTY_CHANGE:
                remember();
                if (listener_)
                    listener_->engineChanged();
                break;
            default:
                break;
        }
    }
}

void MpvEngine::beginQueued(const QString& location) {
    // The one before may not have been heard yet: it is told first.
    finishLead();
    queued_ = false;
    // The queued file opens while the one before is still heard: it takes over once its own
    // first sample is. Meanwhile the engine tells the one before.
    leading_ = true;
    leadSynced_ = false;
    heard_ = reading_;
    reading_ = {};
    leadLocation_ = location;
    leadTimer_->start(10);
    // What follows it is queued now, while mpv reads it.
    if (listener_)
        listener_->engineBegan(leadLocation_);
}

void MpvEngine::remember() {
    reading_.title = liveTag(QStringLiteral("title"));
    reading_.artist = liveTag(QStringLiteral("artist"));
    reading_.album = liveTag(QStringLiteral("album"));
    reading_.duration = doubleProperty("duration");
}

void MpvEngine::checkLead() {
    if (!leading_ || !mpv_)
        return;
    // Negative while the samples of the file before are still ahead of this one's in the
    // output; it reaches zero when the first of this file's is heard.
    double position = 0;
    if (!leadSynced_ || mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &position) < 0) {
        leadTimer_->start(10);
        return;
    }
    // mpv may still read 0 for a moment while the samples before are ahead (seen with mpv 0.40
    // and under Wine): the song before must also have run to its end by the clock, unless the
    // clock is far off (the last look at it was long ago, before a seek).
    const double shortfall = lastSeen_.isValid() && heard_.duration > 0
                                 ? heard_.duration - lastPosition_ - lastSeen_.elapsed() / 1000.0
                                 : 0;
    const double ahead = std::max(-position, shortfall < 1 ? shortfall - 0.05 : 0);
    if (ahead > 0.002) {
        // Paused, it stays where it is: playing again looks once more.
        if (state_ != EngineState::Paused)
            leadTimer_->start(std::clamp(static_cast<int>(ahead * 1000), 1, 200));
        return;
    }
    finishLead();
}

void MpvEngine::finishLead() {
    if (!leading_)
        return;
    leading_ = false;
    leadTimer_->stop();
    if (listener_)
        listener_->engineAdvanced(leadLocation_);
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

int MpvEngine::load(const QString& location, const char* how) {
    const QByteArray target = location.toUtf8();
    // A local file needs no demuxer thread of its own; a network stream keeps one so a slow
    // server never stalls the audio.
    const bool local = !location.contains(QLatin1String("://"));
    // libmpv 0.38 put an index before the options ("loadfile URL replace -1 OPTIONS"), which
    // 0.35 refuses; named arguments would suit both, but 0.35 leaks their option list.
    const char* options = local ? "demuxer-thread=no" : "";
    const char* older[] = {"loadfile", target.constData(), how, options, nullptr};
    const char* newer[] = {"loadfile", target.constData(), how, "-1", options, nullptr};
    const int result = mpv_command(mpv_, indexBeforeOptions_ ? newer : older);
    if (result < 0)
        qCDebug(lcMpv) << "loadfile refused:" << mpv_error_string(result);
    return result;
}

bool MpvEngine::open(const QString& location) {
    if (!mpv_)
        return false;
    // Replacing clears mpv's list, the queued item with it.
    forgetQueue();
    if (load(location, "replace") < 0)
        return false;
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
    if (leading_)
        leadTimer_->start(10);
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
    // Stopping clears mpv's list, the queued item with it.
    const char* command[] = {"stop", nullptr};
    mpv_command(mpv_, command);
    state_ = EngineState::Idle;
    forgetQueue();
}

void MpvEngine::seek(double seconds) {
    if (!mpv_ || state_ == EngineState::Idle)
        return;
    if (leading_) {
        // The song shown has ended but for its last fraction of a second, which is no longer
        // in the file mpv reads.
        qCDebug(lcMpv) << "no seeking in the last moment of a song";
        return;
    }
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
    double value = 0;
    const bool known = mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &value) >= 0;
    if (leading_) {
        // The song before, in its last moment: its end less what is still to be heard, or
        // until the next file says where it is, on from where it was last seen.
        const double last = lastPosition_ + lastSeen_.elapsed() / 1000.0;
        return std::max(0.0, known && leadSynced_ ? heard_.duration + std::min(value, 0.0)
                                                  : std::min(heard_.duration, last));
    }
    if (!known)
        return -1;
    // A moment after a seek to the start mpv may report a slightly negative time.
    value = value < 0 && value > -1 ? 0 : value;
    lastPosition_ = value;
    lastSeen_.start();
    return value;
}

double MpvEngine::duration() const {
    if (state_ == EngineState::Idle)
        return -1;
    return leading_ ? heard_.duration : doubleProperty("duration");
}

QString MpvEngine::tag(const QString& name) const {
    if (!mpv_ || state_ == EngineState::Idle)
        return {};
    if (leading_) {
        return name == QLatin1String("title")    ? heard_.title
               : name == QLatin1String("artist") ? heard_.artist
               : name == QLatin1String("album")  ? heard_.album
                                                 : QString();
    }
    return liveTag(name);
}

QString MpvEngine::liveTag(const QString& name) const {
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

void MpvEngine::forgetQueue() {
    appended_.clear();
    queued_ = false;
    leading_ = false;
    if (leadTimer_)
        leadTimer_->stop();
}

bool MpvEngine::queue(const QString& location) {
    if (!mpv_)
        return false;
    // Everything but the item playing goes: what was queued before, and the items played.
    const char* clear[] = {"playlist-clear", nullptr};
    mpv_command(mpv_, clear);
    // Should mpv have reached the end already (a very short song), it starts the item at once.
    queued_ = !location.isEmpty() && load(location, "append-play") >= 0;
    if (queued_) {
        // The entry just appended is the list's last; its id comes back in its start event.
        qint64 count = 0;
        qint64 id = -1;
        mpv_get_property(mpv_, "playlist-count", MPV_FORMAT_INT64, &count);
        const QByteArray property = "playlist/" + QByteArray::number(count - 1) + "/id";
        if (mpv_get_property(mpv_, property.constData(), MPV_FORMAT_INT64, &id) >= 0)
            appended_[id] = location;
    }
    return queued_ || location.isEmpty();
}

void MpvEngine::setLoudness(Loudness loudness) {
    if (!mpv_)
        return;
    const char* mode = loudness == Loudness::Off     ? "no"
                       : loudness == Loudness::Album ? "album"
                                                     : "track";
    mpv_set_property_string(mpv_, "replaygain", mode);
}

}  // namespace mirato
