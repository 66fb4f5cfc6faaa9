#include "FluidSynthEngine.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <algorithm>
#include <cmath>
#include <vector>

Q_LOGGING_CATEGORY(lcFluid, "mirato.components.fluidsynth", QtWarningMsg)

namespace mirato {

namespace {

constexpr double kSampleRate = 44100.0;

void quietLog(int, const char* message, void*) {
    qCDebug(lcFluid) << message;
}

// The time division of a Standard MIDI file header: ticks per quarter note, or (negative)
// seconds per tick for SMPTE timing; 0 when the header cannot be read.
double readDivision(const QString& path, bool* smpte) {
    QFile file(path);
    *smpte = false;
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(14);
    if (header.size() < 14 || !header.startsWith("MThd"))
        return 0;
    const auto hi = static_cast<unsigned char>(header.at(12));
    const auto lo = static_cast<unsigned char>(header.at(13));
    if (hi & 0x80) {
        *smpte = true;
        const int framesPerSecond = 256 - hi;
        return framesPerSecond > 0 && lo > 0 ? 1.0 / (framesPerSecond * lo) : 0;
    }
    return (hi << 8) | lo;
}

}  // namespace

QString FluidSynthEngine::soundFont() {
    const QString chosen = qEnvironmentVariable("MIRATO_SOUNDFONT");
    if (!chosen.isEmpty())
        return chosen;
    for (const char* path :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
        if (QFileInfo::exists(QLatin1String(path)))
            return QLatin1String(path);
    }
    return {};
}

FluidSynthEngine::FluidSynthEngine() {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, quietLog, nullptr);
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
    synth_ = new_fluid_synth(settings_);
    const QString font = soundFont();
    if (font.isEmpty() || fluid_synth_sfload(synth_, font.toUtf8().constData(), 1) == FLUID_FAILED)
        qCDebug(lcFluid) << "no General MIDI soundfont";
    if (qEnvironmentVariable("MIRATO_AUDIO_OUTPUT") != QLatin1String("null")) {
        driver_ = new_fluid_audio_driver(settings_, synth_);
        if (!driver_)
            audioProblem_ = QStringLiteral("no audio device could be opened");
    }
    applyGain();
    watch_.setInterval(20);
    QObject::connect(&watch_, &QTimer::timeout, [this] { tick(); });
}

FluidSynthEngine::~FluidSynthEngine() {
    watch_.stop();
    closePlayer();
    if (driver_)
        delete_fluid_audio_driver(driver_);
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

void FluidSynthEngine::closePlayer() {
    if (!player_)
        return;
    fluid_player_stop(player_);
    if (driver_)
        fluid_player_join(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    fluid_synth_all_sounds_off(synth_, -1);
}

bool FluidSynthEngine::open(const QString& location) {
    closePlayer();
    state_ = EngineState::Idle;
    const QString path = location.startsWith(QLatin1String("file://")) ? location.mid(7) : location;
    if (!fluid_is_midifile(path.toUtf8().constData()))
        return false;
    division_ = readDivision(path, &smpte_);
    player_ = new_fluid_player(synth_);
    if (fluid_player_add(player_, path.toUtf8().constData()) != FLUID_OK) {
        delete_fluid_player(player_);
        player_ = nullptr;
        return false;
    }
    fluid_player_play(player_);
    state_ = EngineState::Playing;
    clock_.start();
    renderedUntil_ = 0;
    watch_.start();
    if (listener_)
        listener_->engineChanged();
    return true;
}

void FluidSynthEngine::play() {
    if (!player_ || state_ != EngineState::Paused)
        return;
    fluid_player_play(player_);
    state_ = EngineState::Playing;
    clock_.start();
    renderedUntil_ = 0;
    watch_.start();
}

void FluidSynthEngine::pause() {
    if (!player_ || state_ != EngineState::Playing)
        return;
    fluid_player_stop(player_);
    fluid_synth_all_notes_off(synth_, -1);
    state_ = EngineState::Paused;
}

void FluidSynthEngine::stop() {
    watch_.stop();
    closePlayer();
    state_ = EngineState::Idle;
}

double FluidSynthEngine::secondsPerTick() const {
    if (smpte_)
        return division_;
    const int tempo = fluid_player_get_midi_tempo(player_);  // microseconds per quarter note
    if (division_ <= 0 || tempo <= 0)
        return 0;
    return tempo / 1e6 / division_;
}

double FluidSynthEngine::position() const {
    if (!player_)
        return -1;
    return fluid_player_get_current_tick(player_) * secondsPerTick();
}

double FluidSynthEngine::duration() const {
    if (!player_)
        return -1;
    return fluid_player_get_total_ticks(player_) * secondsPerTick();
}

void FluidSynthEngine::seek(double seconds) {
    const double perTick = player_ ? secondsPerTick() : 0;
    if (perTick > 0)
        fluid_player_seek(player_, static_cast<int>(std::clamp(seconds / perTick, 0.0, 1.0e9)));
}

void FluidSynthEngine::renderSilently() {
    // Render exactly as many samples as real time has passed; the sound goes nowhere.
    const qint64 now = clock_.elapsed();
    const int frames = static_cast<int>((now - renderedUntil_) * kSampleRate / 1000.0);
    if (frames <= 0)
        return;
    std::vector<float> left(frames), right(frames);
    fluid_synth_write_float(synth_, frames, left.data(), 0, 1, right.data(), 0, 1);
    renderedUntil_ += static_cast<qint64>(frames * 1000.0 / kSampleRate);
}

void FluidSynthEngine::tick() {
    if (!player_ || state_ != EngineState::Playing)
        return;
    if (!driver_)
        renderSilently();
    // The player reports "playing" for a while after the last event; the last tick is the end.
    const int total = fluid_player_get_total_ticks(player_);
    const bool done = fluid_player_get_status(player_) == FLUID_PLAYER_DONE ||
                      (total > 0 && fluid_player_get_current_tick(player_) >= total);
    if (done) {
        watch_.stop();
        state_ = EngineState::Ended;
        fluid_synth_all_notes_off(synth_, -1);
        if (listener_)
            listener_->engineEnded();
    }
}

void FluidSynthEngine::applyGain() {
    fluid_synth_set_gain(synth_, mute_ ? 0.0f : static_cast<float>(0.6 * volume_ / 100.0));
}

void FluidSynthEngine::setVolume(int volume) {
    volume_ = volume;
    applyGain();
}

void FluidSynthEngine::setMute(bool mute) {
    mute_ = mute;
    applyGain();
}

}  // namespace mirato
