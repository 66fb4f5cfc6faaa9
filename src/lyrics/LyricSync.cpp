#include "lyrics/LyricSync.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include "core/ProfileFile.h"
#include "core/Settings.h"
#include "core/Strings.h"
#include "lyrics/LyricsText.h"

Q_LOGGING_CATEGORY(lcLyrics, "mirato.lyrics", QtWarningMsg)

namespace mirato {

namespace {

const QString kMusicPath = QStringLiteral("MusicPath");
const QString kLrc = QStringLiteral("LRC");

bool isFirstSeconds(const QString& position) {
    return position == QLatin1String("00:00") || position == QLatin1String("00:01") ||
           position == QLatin1String("00:02") || position == QLatin1String("00:03");
}

}  // namespace

LyricSync::LyricSync(AppState& state, Settings& settings, MediaControl& media,
                     const HostConventions& conventions, QObject* parent)
    : QObject(parent),
      state_(state),
      settings_(settings),
      media_(media),
      conventions_(conventions) {
    syncTimer_.setInterval(200);
    startTimer_.setInterval(500);
    playingTimer_.setInterval(10000);
    connect(&syncTimer_, &QTimer::timeout, this, &LyricSync::tick);
    connect(&startTimer_, &QTimer::timeout, this, &LyricSync::checkTrackStart);
    connect(&playingTimer_, &QTimer::timeout, this, &LyricSync::checkWhilePlaying);
}

void LyricSync::setActive(bool active) {
    if (active) {
        startTimer_.start();
        playingTimer_.start();
    } else {
        startTimer_.stop();
        playingTimer_.stop();
        syncTimer_.stop();
    }
}

QString LyricSync::lyricsFileOf(const QString& source) {
    return source.left(source.size() - 4) + QStringLiteral(".lrc");
}

bool LyricSync::isLocal(const QString& source) const {
    return conventions_.isLocalPath(source);
}

QString LyricSync::noLineText() const {
    return Strings::message(state_.language(), MessageCode::LyricsWindowTitle);
}

void LyricSync::writeLrc(const QString& value) {
    if (value == lastLrc_)
        return;
    lastLrc_ = value;
    settings_.write(kLrc, value);
}

void LyricSync::clearLines() {
    lines_.clear();
    state_.setLyricLine({});
}

void LyricSync::showNoLyrics() {
    state_.setHasLyrics(false);
    syncTimer_.stop();
    writeLrc(noLineText());
    showOnView({}, Strings::message(state_.language(), MessageCode::NoLyrics), {});
}

void LyricSync::forget() {
    clearLines();
    showNoLyrics();
}

void LyricSync::checkTrackStart() {
    if (!isFirstSeconds(media_.positionString()))
        return;
    const QString source = media_.itemInfo(QStringLiteral("sourceURL"));
    if (!isLocal(source))
        return;
    const QString lyricsFile = lyricsFileOf(source);
    if (!QFileInfo(lyricsFile).isFile()) {
        clearLines();
        showNoLyrics();
        return;
    }
    loadFile(source, lyricsFile);
}

void LyricSync::checkWhilePlaying() {
    const QString source = media_.itemInfo(QStringLiteral("sourceURL"));
    if (media_.playState() != MediaControl::kPlaying || !isLocal(source))
        return;
    const QString lyricsFile = lyricsFileOf(source);
    if (QFileInfo(lyricsFile).isFile()) {
        loadFile(source, lyricsFile);
        return;
    }
    clearLines();
    showOnView({}, {}, {});
    showNoLyrics();
}

void LyricSync::loadFile(const QString& source, const QString& lyricsFile) {
    // The setting marks which media's lyrics are loaded (as it reads back, cut like any value).
    const QString marker = source.left(source.size() - 4);
    if (ProfileFile::cutForRead(marker) == settings_.read(kMusicPath))
        return;
    const auto lines = LyricsText::readLines(lyricsFile);
    if (!lines) {
        qCDebug(lcLyrics) << "cannot read" << lyricsFile;
        clearLines();
        showNoLyrics();
        return;
    }
    settings_.write(kMusicPath, marker);
    clearLines();
    showOnView({}, {}, {});
    state_.setHasLyrics(true);
    lines_ = *lines;
    writeLrc(noLineText());
    syncTimer_.start();
}

bool LyricSync::loadDocument(const QString& path) {
    const auto lines = LyricsText::readLines(path);
    clearLines();
    state_.setHasLyrics(true);
    if (!lines) {
        qCDebug(lcLyrics) << "cannot read the lyrics document" << path;
        return false;
    }
    lines_ = *lines;
    syncTimer_.start();
    return true;
}

qsizetype LyricSync::lineAt(const QStringList& lines, const QString& position) {
    // Every matching line is shown in turn within one tick, so the last one is what stays.
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines.at(i).contains(position))
            return i;
    }
    return -1;
}

void LyricSync::tick() {
    const qsizetype match = lineAt(lines_, media_.positionString());
    if (match < 0)
        return;
    const QString shown = LyricsText::shownPart(lines_.at(match));
    state_.setLyricLine(shown);
    const int playState = media_.playState();
    if (playState == MediaControl::kPlaying || playState == MediaControl::kPaused) {
        writeLrc(shown.isEmpty() ? noLineText() : LyricsText::trimTrailingBlanks(shown));
    } else if (playState == MediaControl::kStopped) {
        syncTimer_.stop();
        writeLrc(noLineText());
        settings_.write(kMusicPath, QStringLiteral("End"));
    }
    const QString previous = match > 0 ? LyricsText::shownPart(lines_.at(match - 1)) : QString();
    const QString next =
        match + 1 < lines_.size() ? LyricsText::shownPart(lines_.at(match + 1)) : QString();
    showOnView(previous, shown, next);
}

void LyricSync::setView(LyricsView* view) {
    view_ = view;
    if (view_)
        view_->showLines(shown_[0], shown_[1], shown_[2]);
}

void LyricSync::showOnView(const QString& previous, const QString& current, const QString& next) {
    shown_[0] = previous;
    shown_[1] = current;
    shown_[2] = next;
    if (view_)
        view_->showLines(previous, current, next);
}

}  // namespace mirato
