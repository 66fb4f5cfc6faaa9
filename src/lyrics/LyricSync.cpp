#include "lyrics/LyricSync.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include "core/FileCopy.h"
#include "core/LyricsPlaces.h"
#include "core/ProfileFile.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/Strings.h"
#include "lyrics/LyricsText.h"

Q_LOGGING_CATEGORY(lcLyrics, "mirato.lyrics", QtWarningMsg)

namespace mirato {

LyricSync::LyricSync(AppState& state, Settings& settings, MediaControl& media,
                     const HostConventions& conventions, QString cacheFolder, const Clock& clock,
                     QObject* parent)
    : QObject(parent),
      state_(state),
      settings_(settings),
      media_(media),
      conventions_(conventions),
      cacheFolder_(std::move(cacheFolder)),
      clock_(clock),
      anchoredAt_(clock.now()) {
    nextTimer_.setSingleShot(true);
    nextTimer_.setTimerType(Qt::PreciseTimer);
    // Woken for a line, the sync asks the player where it is rather than trusting its own
    // clock, so a line never shows before its moment; not there yet, it waits the rest.
    connect(&nextTimer_, &QTimer::timeout, this, [this] {
        anchorAtPlayer();
        sync();
    });
    connect(&arrival_, &LyricsArrival::appeared, this, &LyricSync::takeLyricsOfSong);
    connect(&media_, &MediaControl::itemChanged, this, &LyricSync::itemChanged);
    connect(&media_, &MediaControl::stateChanged, this, &LyricSync::stateChanged);
    connect(&media_, &MediaControl::positionChanged, this, &LyricSync::positionChanged);
}

QString LyricSync::defaultCacheFolder() {
    return LyricsPlaces::cacheFolder();
}

QString LyricSync::lyricsFileOf(const QString& source) {
    return LyricsPlaces::besideSong(source);
}

QString LyricSync::cachedLyricsOf(const QString& source) const {
    return LyricsPlaces::cached(cacheFolder_, source);
}

void LyricSync::setActive(bool active) {
    active_ = active;
    if (!active) {
        nextTimer_.stop();
        arrival_.stop();
        loadedFor_.clear();
        return;
    }
    // What plays already when the player window comes.
    playing_ = media_.playState() == PlayState::Playing;
    positionChanged(media_.position().value_or(std::chrono::milliseconds(0)));
    if (playing_)
        itemChanged(media_.item().location);
}

QString LyricSync::noLineText() const {
    return Strings::message(state_.language(), MessageCode::LyricsWindowTitle);
}

void LyricSync::writeLrc(const QString& value) {
    if (value == lastLrc_)
        return;
    lastLrc_ = value;
    settings_.publish(SettingKeys::kLyricLine, value);
}

void LyricSync::clearLines() {
    document_ = {};
    lyricsFile_.clear();
    nextTimer_.stop();
    state_.setLyricLine({});
}

void LyricSync::showNoLyrics() {
    state_.setHasLyrics(false);
    nextTimer_.stop();
    writeLrc(noLineText());
    show({{}, Strings::message(state_.language(), MessageCode::NoLyrics), {}, {}, -1});
}

void LyricSync::forget() {
    arrival_.stop();
    clearLines();
    showNoLyrics();
}

void LyricSync::playerClosed() {
    forget();
    settings_.set(SettingKeys::kMusicPath, QStringLiteral("Close"));
}

void LyricSync::itemChanged(const QString& source) {
    if (!active_ || source.isEmpty() || source == loadedFor_)
        return;
    arrival_.stop();
    // A stream reached inside a list leaves the old lines where they are.
    if (!conventions_.isLocalPath(source))
        return;
    load(source);
}

void LyricSync::stateChanged(PlayState state) {
    if (!active_)
        return;
    // The clock runs only while the song plays: the time paused or loading is not the song's.
    anchorAtPlayer();
    playing_ = state == PlayState::Playing;
    if (state == PlayState::Stopped) {
        nextTimer_.stop();
        arrival_.stop();
        if (hasLines()) {
            writeLrc(noLineText());
            settings_.set(SettingKeys::kMusicPath, QStringLiteral("End"));
        }
        // Played again, the song's lyrics are looked for again.
        loadedFor_.clear();
        return;
    }
    if (playing_)
        itemChanged(media_.item().location);
    sync();
}

void LyricSync::positionChanged(std::chrono::milliseconds position) {
    anchorMs_ = std::max<qint64>(0, position.count());
    anchoredAt_ = clock_.now();
    if (active_)
        sync();
}

void LyricSync::anchorAtPlayer() {
    anchorMs_ = nowMs();
    if (const auto position = media_.position())
        anchorMs_ = position->count();
    anchoredAt_ = clock_.now();
}

qint64 LyricSync::nowMs() const {
    return anchorMs_ + (playing_ ? (clock_.now() - anchoredAt_).count() : 0);
}

void LyricSync::load(const QString& source) {
    loadedFor_ = source;
    const QStringList places{lyricsFileOf(source), cachedLyricsOf(source)};
    for (const QString& file : places) {
        if (QFileInfo(file).isFile() && takeLyricsOfSong(file))
            return;
    }
    clearLines();
    showNoLyrics();
    arrival_.await(places);
    emit lyricsMissing(source);
}

bool LyricSync::takeLyricsOfSong(const QString& file) {
    if (loadedFor_.isEmpty() || !takeFile(file))
        return false;
    // The setting names whose lyrics are loaded (as it reads back, cut like any value).
    settings_.set(SettingKeys::kMusicPath, loadedFor_.left(loadedFor_.size() - 4));
    writeLrc(noLineText());
    sync();
    return true;
}

bool LyricSync::takeFile(const QString& path) {
    const auto lines = LyricsText::readLines(path);
    if (!lines) {
        qCDebug(lcLyrics) << "cannot read" << path;
        return false;
    }
    clearLines();
    document_ = LrcDocument::parse(*lines);
    lyricsFile_ = path;
    state_.setHasLyrics(true);
    shown_ = {};
    show({});
    return true;
}

bool LyricSync::loadDocument(const QString& path) {
    arrival_.stop();
    if (!takeFile(path)) {
        clearLines();
        state_.setHasLyrics(true);
        return false;
    }
    sync();
    return true;
}

void LyricSync::sync() {
    nextTimer_.stop();
    if (document_.isEmpty())
        return;
    const qint64 now = nowMs();
    const qsizetype at = document_.lineAt(now);
    if (at >= 0) {
        const auto& lines = document_.lines();
        const LyricLine& line = lines[size_t(at)];
        LyricsMoment moment{at > 0 ? lines[size_t(at - 1)].text : QString(), line.text,
                            size_t(at + 1) < lines.size() ? lines[size_t(at + 1)].text : QString(),
                            line.translation, -1};
        if (!line.words.isEmpty()) {
            const int words = LrcDocument::wordsSung(line, now);
            moment.sung = 0;
            for (int i = 0; i < words; ++i)
                moment.sung += int(line.words[i].text.size());
        }
        if (moment != shown_) {
            state_.setLyricLine(line.text);
            if (playing_ || media_.playState() == PlayState::Paused)
                writeLrc(line.text.trimmed().isEmpty() ? noLineText()
                                                       : LyricsText::trimTrailingBlanks(line.text));
            show(moment);
        }
    } else if (shown_ != LyricsMoment{}) {
        // Back before the first line (a seek to the start): no line is sung yet.
        state_.setLyricLine({});
        if (playing_ || media_.playState() == PlayState::Paused)
            writeLrc(noLineText());
        show({});
    }
    if (!playing_)
        return;
    const qint64 next = document_.nextChangeAfter(now);
    if (next >= 0)
        nextTimer_.start(int(std::clamp<qint64>(next - now, 1, 60 * 60 * 1000)));
}

std::optional<qint64> LyricSync::nudge(qint64 earlierMs) {
    if (lyricsFile_.isEmpty())
        return std::nullopt;
    const auto lines = LyricsText::readLines(lyricsFile_);
    if (!lines)
        return std::nullopt;
    const qint64 offset = document_.offsetMs() + earlierMs;
    const QStringList changed = LrcDocument::withOffset(*lines, offset);
    // Written beside and renamed over: a failed write never loses the lyrics.
    if (!FileCopy::write(lyricsFile_,
                         (changed.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8())) {
        qCDebug(lcLyrics) << "cannot replace" << lyricsFile_;
        return std::nullopt;
    }
    document_ = LrcDocument::parse(changed);
    shown_ = {};
    sync();
    if (view_)
        view_->showOffset(offset);
    return offset;
}

void LyricSync::setView(LyricsView* view) {
    view_ = view;
    if (view_)
        view_->showMoment(shown_);
}

void LyricSync::show(const LyricsMoment& moment) {
    shown_ = moment;
    if (view_)
        view_->showMoment(moment);
}

}  // namespace mirato
