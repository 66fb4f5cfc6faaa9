#include "components/MediaPlayer.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>

#include "components/PlaylistReader.h"
#include "core/Numbers.h"
#include "core/TextRules.h"

Q_LOGGING_CATEGORY(lcPlayer, "mirato.components.player", QtWarningMsg)

namespace mirato {

using namespace std::chrono_literals;

namespace {

bool isMissingLocalFile(const QString& location) {
    return !location.contains(QLatin1String("://")) && !QFileInfo(location).isFile();
}

}  // namespace

MediaPlayer::MediaPlayer(std::unique_ptr<EngineLoader> loader)
    : loader_(loader ? std::move(loader) : std::make_unique<EngineLoader>()) {
    positionTimer_.setInterval(kPositionIntervalMs);
    connect(&positionTimer_, &QTimer::timeout, this,
            [this] { emit positionChanged(position().value_or(0ms)); });
}

void MediaPlayer::announce() {
    const QString source = current_ && !finished_ ? items_.value(index_) : QString();
    if (source != toldSource_) {
        toldSource_ = source;
        emit itemChanged(source);
    }
    if (MediaItem now = item(); now != toldItem_) {
        toldItem_ = std::move(now);
        emit tagsChanged();
    }
    const PlayState state = playState();
    if (state != toldState_) {
        toldState_ = state;
        if (state == PlayState::Playing)
            positionTimer_.start();
        else
            positionTimer_.stop();
        emit stateChanged(state);
        // Where a pause or a stop left it, and where playing starts from.
        emit positionChanged(position().value_or(0ms));
    }
}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::takeOver(std::unique_ptr<EngineHeadStart> headStart) {
    headStart_ = std::move(headStart);
}

PlaybackEngine* MediaPlayer::playingSinceStart(const QString& location) {
    if (!headStart_)
        return nullptr;
    const std::unique_ptr<EngineHeadStart> headStart = std::move(headStart_);
    QString name;
    std::unique_ptr<PlaybackEngine> engine = headStart->take(&name);
    if (!engine)
        return nullptr;  // nothing began
    std::unique_ptr<PlaybackEngine>& slot = engines_[name];
    if (slot) {
        // An engine of the kind made meanwhile (none is, before the first item) keeps its place.
        engine->stop();
        return nullptr;
    }
    engine->setListener(this);
    passSettings(*engine);
    slot = std::move(engine);
    if (location == headStart->location())
        return slot.get();
    slot->stop();
    return nullptr;
}

void MediaPlayer::report(Problem problem, const QString& detail) {
    if (reported_.contains(static_cast<int>(problem)))
        return;
    reported_.insert(static_cast<int>(problem));
    qCDebug(lcPlayer) << "problem:" << detail;
    emit problemFound(problem, detail);
}

PlaybackEngine* MediaPlayer::engineFor(const QString& location) {
    const QString name = loader_->engineFor(location);
    if (name.isEmpty()) {
        report(Problem::EngineMissing, QStringLiteral("no engine plays ") + location);
        return nullptr;
    }
    std::unique_ptr<PlaybackEngine>& slot = engines_[name];
    if (!slot && !missingEngines_.contains(name)) {
        QString error;
        slot.reset(loader_->create(name, &error));
        if (!slot) {
            missingEngines_.append(name);
            report(Problem::EngineMissing, name + QStringLiteral(": ") + error);
        } else {
            slot->setListener(this);
            passSettings(*slot);
        }
    }
    return slot.get();
}

void MediaPlayer::prepare(const QString& location) {
    // A head start loads its engine already.
    if (headStart_)
        return;
    const QString name = loader_->engineFor(location);
    const auto made = engines_.find(name);
    if (!name.isEmpty() && (made == engines_.end() || !made->second))
        loader_->preload(name);
}

void MediaPlayer::setUrl(const QString& url) {
    if (current_)
        current_->stop();
    current_ = nullptr;
    queued_.clear();
    begun_.clear();
    url_ = url;
    items_ = PlaylistReader::isPlaylist(url) ? PlaylistReader::read(url) : QStringList{url};
    index_ = -1;
    finished_ = false;
    failuresInARow_ = 0;
    if (items_.isEmpty()) {
        qCDebug(lcPlayer) << "nothing to play in" << url;
        finished_ = true;
        announce();
        return;
    }
    const int first =
        shuffle_ ? static_cast<int>(QRandomGenerator::global()->bounded(items_.size())) : 0;
    playFrom(first, 1);
}

void MediaPlayer::playFrom(int index, int step) {
    // Try each item at most once, so a list of nothing playable ends instead of spinning.
    for (int tried = 0; tried < items_.size(); ++tried) {
        if (index < 0 || index >= items_.size())
            break;
        const QString& location = items_.at(index);
        PlaybackEngine* early = playingSinceStart(location);
        PlaybackEngine* engine = early                          ? early
                                 : isMissingLocalFile(location) ? nullptr
                                                                : engineFor(location);
        if (current_ && current_ != engine)
            current_->stop();
        if (engine && (early || engine->open(location))) {
            index_ = index;
            current_ = engine;
            finished_ = false;
            queued_.clear();
            begun_.clear();
            announce();
            queueNext();
            return;
        }
        qCDebug(lcPlayer) << "skipping" << location;
        index = nextIndex(index, step);
    }
    if (current_)
        current_->stop();
    finished_ = true;
    announce();
}

int MediaPlayer::nextIndex(int from, int step) const {
    const int count = static_cast<int>(items_.size());
    if (count == 0)
        return -1;
    if (shuffle_ && count > 1) {
        int pick = from;
        while (pick == from)
            pick = static_cast<int>(QRandomGenerator::global()->bounded(count));
        return pick;
    }
    const int next = from + step;
    if (next >= 0 && next < count)
        return next;
    return loop_ ? (next + count) % count : -1;
}

void MediaPlayer::queueNext() {
    if (!current_ || finished_)
        return;
    // After the item the engine reads, which is ahead of the one heard for a moment.
    int next = nextIndex(begun_.isEmpty() ? index_ : begun_.last(), 1);
    // Missing files are skipped here as they are when opened.
    for (int tried = 0; next >= 0 && tried < items_.size() && isMissingLocalFile(items_.at(next));
         ++tried)
        next = nextIndex(next, 1);
    QString location = next >= 0 ? items_.at(next) : QString();
    if (!location.isEmpty()) {
        const auto engine = engines_.find(loader_->engineFor(location));
        if (isMissingLocalFile(location) || engine == engines_.end() ||
            engine->second.get() != current_)
            location.clear();  // opened once the current item has ended
    }
    if (current_->queue(location) && !location.isEmpty())
        queued_.append(next);
}

void MediaPlayer::moveOn() {
    const int next = nextIndex(index_, 1);
    if (next < 0) {
        finished_ = true;
        announce();
        return;
    }
    playFrom(next, 1);
}

void MediaPlayer::engineChanged() {
    if (current_ && current_->state() == EngineState::Playing)
        failuresInARow_ = 0;
    if (current_ && !current_->audioProblem().isEmpty())
        report(Problem::NoAudioDevice, current_->audioProblem());
    announce();
}

void MediaPlayer::engineEnded() {
    // Leave the engine's own call before opening the next item.
    QTimer::singleShot(0, this, [this] { moveOn(); });
}

void MediaPlayer::engineBegan(const QString& location) {
    // The latest item queued that is this location: the queue may have changed while the
    // engine was already going on to an earlier one.
    int index = -1;
    for (auto it = queued_.crbegin(); it != queued_.crend() && index < 0; ++it) {
        if (items_.value(*it) == location)
            index = *it;
    }
    if (index < 0)
        index = static_cast<int>(items_.indexOf(location));
    queued_.clear();
    if (index < 0) {
        qCDebug(lcPlayer) << "went on to an item not in the list:" << location;
        stop();
        return;
    }
    begun_.append(index);
    queueNext();
}

void MediaPlayer::engineAdvanced(const QString& location) {
    if (begun_.isEmpty() || items_.value(begun_.first()) != location) {
        qCDebug(lcPlayer) << "heard an item that was not begun:" << location;
        return;
    }
    index_ = begun_.takeFirst();
    finished_ = false;
    announce();
}

void MediaPlayer::engineFailed(const QString& reason) {
    qCDebug(lcPlayer) << "cannot play" << items_.value(index_) << reason;
    if (++failuresInARow_ >= items_.size()) {
        qCDebug(lcPlayer) << "nothing in the list plays: stopped";
        stop();
        return;
    }
    QTimer::singleShot(0, this, [this] { moveOn(); });
}

void MediaPlayer::play() {
    if (items_.isEmpty())
        return;
    if (!current_ || finished_ || current_->state() == EngineState::Idle ||
        current_->state() == EngineState::Ended) {
        playFrom(std::max(index_, 0), 1);
        return;
    }
    current_->play();
    announce();
}

void MediaPlayer::pause() {
    if (current_)
        current_->pause();
    announce();
}

void MediaPlayer::stop() {
    if (current_)
        current_->stop();
    queued_.clear();
    begun_.clear();
    finished_ = true;
    announce();
}

void MediaPlayer::next() {
    const int target = nextIndex(index_, 1);
    if (target >= 0)
        playFrom(target, 1);
}

void MediaPlayer::previous() {
    const int target = nextIndex(index_, -1);
    if (target >= 0)
        playFrom(target, -1);
}

void MediaPlayer::seek(std::chrono::milliseconds position) {
    if (current_)
        current_->seek(std::max(0.0, std::chrono::duration<double>(position).count()));
    emit positionChanged(this->position().value_or(0ms));
}

namespace {

// Engines tell times in seconds; a broken stream may tell anything.
std::optional<std::chrono::milliseconds> millisecondsOf(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0)
        return std::nullopt;
    return std::chrono::milliseconds(
        boundedInt(seconds * 1000, 0, std::numeric_limits<int>::max()));
}

}  // namespace

std::optional<std::chrono::milliseconds> MediaPlayer::position() const {
    if (!current_ || finished_ || current_->state() == EngineState::Idle)
        return std::nullopt;
    return millisecondsOf(current_->position()).value_or(0ms);
}

MediaItem MediaPlayer::item() const {
    MediaItem item;
    item.location = items_.value(index_);
    // While the next item opens, the engine still tells the last one's tags.
    if (!current_ || finished_ || current_->state() == EngineState::Opening)
        return item;
    item.title = current_->tag(QStringLiteral("title"));
    item.artist = current_->tag(QStringLiteral("artist"));
    item.album = current_->tag(QStringLiteral("album"));
    const double seconds = current_->duration();
    if (seconds > 0)
        item.length = millisecondsOf(seconds);
    return item;
}

PlayState MediaPlayer::playState() const {
    if (url_.isEmpty())
        return PlayState::Nothing;
    if (!current_ || finished_)
        return PlayState::Stopped;
    switch (current_->state()) {
        case EngineState::Playing:
            return PlayState::Playing;
        case EngineState::Paused:
            return PlayState::Paused;
        case EngineState::Opening:
            return PlayState::Opening;
        case EngineState::Idle:
        case EngineState::Ended:
            return PlayState::Stopped;
    }
    return PlayState::Stopped;
}

void MediaPlayer::setVolume(int volume) {
    volume_ = std::clamp(volume, 0, 100);
    passSettingsToEngines();
    emit volumeChanged();
}

void MediaPlayer::setMute(bool mute) {
    mute_ = mute;
    passSettingsToEngines();
    emit volumeChanged();
}

void MediaPlayer::setMode(PlayMode mode, bool on) {
    (mode == PlayMode::Repeat ? loop_ : shuffle_) = on;
    queueNext();
    emit modesChanged();
}

void MediaPlayer::setLoudness(Loudness loudness) {
    loudness_ = loudness;
    passSettingsToEngines();
}

void MediaPlayer::passSettings(PlaybackEngine& engine) const {
    engine.setVolume(volume_);
    engine.setMute(mute_);
    engine.setLoudness(loudness_);
}

void MediaPlayer::passSettingsToEngines() const {
    for (const auto& [name, engine] : engines_) {
        if (engine)
            passSettings(*engine);
    }
}

void MediaPlayer::setFullScreen(bool on) {
    // Audio only: there is no picture to fill the screen with.
    qCDebug(lcPlayer) << "full screen" << on << "has no picture to show";
}

}  // namespace mirato
