#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include "core/Actions.h"
#include "core/Settings.h"
#include "lyrics/LyricSync.h"
#include "lyrics/LyricsText.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::test;
using namespace std::chrono_literals;

namespace {

struct RecordingView : LyricsView {
    void showMoment(const LyricsMoment& m) override {
        moment = m;
        ++shown;
    }
    void showOffset(qint64 ms) override { offsets.append(ms); }
    LyricsMoment moment;
    QList<qint64> offsets;
    int shown = 0;
};

// The lyric sync follows what a player tells; here the test tells it.
class LyricSyncTest : public ::testing::Test {
protected:
    LyricSyncTest() {
        state.setLanguage(Language::English);
        sync.setView(&view);
        sync.setActive(true);
    }

    // A song starts playing; its lyrics file lies beside it unless lrc is null.
    QString play(const QByteArray& lrc, const QString& name = "music/song.mp3") {
        const QString path = env.writeFile(name, "ID3");
        if (!lrc.isNull())
            env.writeFile(LyricSync::lyricsFileOf(name), lrc);
        media.source = path;
        tell(PlayState::Playing);
        emit media.itemChanged(path);
        return path;
    }
    void tell(PlayState state) {
        media.state = state;
        emit media.stateChanged(state);
    }
    // Paused at a position: the sync's clock stands still there.
    void at(double seconds) {
        if (media.state != PlayState::Paused)
            tell(PlayState::Paused);
        emit media.positionChanged(std::chrono::milliseconds(std::lround(seconds * 1000)));
    }

    TempEnvironment env;
    Settings settings{Settings::defaultFilePath()};
    AppState state;
    RecordingMedia media;
    RecordingView view;
    ManualClock clock;
    LyricSync sync{state, settings, media, hostConventions(), env.path("cache"), clock};
};

TEST_F(LyricSyncTest, EachLineShowsFromItsMomentToTheNext) {
    play(
        "[ti:Title]\n[00:05.10]first\n[00:05.90]second\n[00:07.00][01:40.00]chorus  \n"
        "[00:09.00]lone\n[00:11]\n");
    ASSERT_TRUE(sync.hasLines());
    EXPECT_TRUE(state.hasLyrics());
    EXPECT_EQ(settings.read("MusicPath"), env.path("music/song"));
    EXPECT_EQ(settings.read("LRC"), "Kavelo LrcShow");

    struct Step {
        double at;
        const char* line;
        const char* previous;
        const char* next;
        const char* lrc;
    };
    const Step steps[] = {
        {5.0, "", "", "", "Kavelo LrcShow"},  // before the first line
        {5.1, "first", "", "second", "first"},
        {5.89, "first", "", "second", "first"},
        {5.9, "second", "first", "chorus", "second"},  // two lines in one second
        {8.5, "chorus", "second", "lone", "chorus"},
        {11.0, "", "lone", "chorus", "Kavelo LrcShow"},  // an empty line
        {100.0, "chorus", "", "", "chorus"},             // the second tag, the last line
        {6.0, "second", "first", "chorus", "second"},    // a seek back
        {1.0, "", "", "", "Kavelo LrcShow"},             // back before the first line
    };
    for (const Step& step : steps) {
        at(step.at);
        SCOPED_TRACE(step.at);
        EXPECT_EQ(state.lyricLine(), step.line);
        EXPECT_EQ(view.moment.current, step.line);
        EXPECT_EQ(view.moment.previous, step.previous);
        EXPECT_EQ(view.moment.next, step.next);
        EXPECT_EQ(settings.read("LRC"), step.lrc);
    }
}

// Playing, the sync keeps its own clock from the player's last report and wakes for each line.
TEST_F(LyricSyncTest, WhilePlayingTheLinesComeByThemselves) {
    play("[00:00.20]one\n[00:00.40]two\n");
    emit media.positionChanged(0ms);
    EXPECT_TRUE(sync.syncing());
    for (const char* line : {"one", "two"}) {
        clock.advance(200ms);
        ASSERT_TRUE(QTest::qWaitFor([&] { return state.lyricLine() == line; }, 2000)) << line;
    }
    EXPECT_FALSE(sync.syncing());  // nothing comes after the last line
    // Paused, it waits for nothing; stopped, the lines end.
    emit media.positionChanged(100ms);
    tell(PlayState::Paused);
    EXPECT_FALSE(sync.syncing());
    tell(PlayState::Stopped);
    EXPECT_EQ(settings.read("MusicPath"), "End");
    EXPECT_EQ(settings.read("LRC"), "Kavelo LrcShow");
}

// Time spent paused (or loading before the song plays) is not the song's: played again, it
// goes on from where it stood.
TEST_F(LyricSyncTest, APauseIsNotPlayingTime) {
    for (const double known : {-1.0, 5.0}) {  // the player does not know its position, or does
        SCOPED_TRACE(known);
        media.at = 0ms;
        play("[00:05.10]first\n[00:09.00]second\n", QStringLiteral("music/%1.mp3").arg(known));
        at(5.0);
        media.at = known >= 0 ? std::optional(5000ms) : std::nullopt;
        clock.advance(300ms);
        tell(PlayState::Playing);
        EXPECT_EQ(state.lyricLine(), "");
        // The line comes in its time: by the sync's own clock, or as the player moves on.
        clock.advance(200ms);
        if (known >= 0)
            media.at = 5200ms;
        ASSERT_TRUE(QTest::qWaitFor([&] { return state.lyricLine() == "first"; }, 2000));
    }
}

TEST_F(LyricSyncTest, TranslationsAndWordsReachTheView) {
    play("[00:01.00]<00:01.00>你 <00:01.50>好\n[00:01.00]Hello\n[00:03.00]Next\n");
    at(1.2);
    EXPECT_EQ(view.moment.current, "你 好");
    EXPECT_EQ(view.moment.translation, "Hello");
    EXPECT_EQ(view.moment.sung, 2);            // "你 "
    EXPECT_EQ(settings.read("LRC"), "你 好");  // the original, without word tags
    at(1.6);
    EXPECT_EQ(view.moment.sung, 3);
    at(3.0);
    EXPECT_EQ(view.moment.translation, "");
    EXPECT_EQ(view.moment.sung, -1);
}

TEST_F(LyricSyncTest, NoLyricsStreamsAndTheCache) {
    QSignalSpy missing(&sync, &LyricSync::lyricsMissing);
    const QString bare = play(QByteArray());
    EXPECT_FALSE(state.hasLyrics());
    EXPECT_EQ(view.moment.current, "No Lyrics");
    EXPECT_EQ(settings.read("LRC"), "Kavelo LrcShow");
    ASSERT_EQ(missing.size(), 1);
    EXPECT_EQ(missing.first().first().toString(), bare);

    // A stream reached inside a list leaves the old lines where they are.
    play("[00:01]kept\n", "music/other.mp3");
    ASSERT_TRUE(sync.hasLines());
    media.source = "http://radio.example/live.mp3";
    emit media.itemChanged(media.source);
    EXPECT_TRUE(sync.hasLines());
    EXPECT_EQ(missing.size(), 1);

    // Lyrics kept in the cache for a song whose folder cannot take them.
    env.writeFile(
        QDir(env.path("cache")).relativeFilePath(sync.cachedLyricsOf(bare)).prepend("cache/"),
        "[00:01]cached\n");
    tell(PlayState::Stopped);
    media.source = bare;
    tell(PlayState::Playing);
    EXPECT_EQ(sync.lyricsFile(), sync.cachedLyricsOf(bare));

    // The last four characters go, whatever they are.
    EXPECT_EQ(LyricSync::lyricsFileOf("/music/a.Mp3"), "/music/a.lrc");
    EXPECT_EQ(LyricSync::lyricsFileOf("/music/a.midi"), "/music/a..lrc");
}

// Lyrics that appear while a song without them plays (dropped in, written by another program)
// show at once, at either of the song's places; a file made empty and written afterwards is
// taken once it has lines, and a song that is over waits for nothing.
TEST_F(LyricSyncTest, LyricsThatAppearWhileASongPlaysShow) {
    struct Place {
        const char* name;
        QString (*file)(const LyricSync&, const QString& song);
    };
    const Place places[] = {
        {"beside",
         [](const LyricSync&, const QString& song) { return LyricSync::lyricsFileOf(song); }},
        {"cache", [](const LyricSync& s, const QString& song) { return s.cachedLyricsOf(song); }},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        tell(PlayState::Stopped);
        const QString song = play(QByteArray(), QStringLiteral("music/%1.mp3").arg(place.name));
        ASSERT_FALSE(sync.hasLines());
        const QString lyrics = place.file(sync, song);
        QDir().mkpath(QFileInfo(lyrics).absolutePath());
        QFile file(lyrics);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QTest::qWait(400);  // made, not yet written
        EXPECT_FALSE(sync.hasLines());
        file.write("[00:01]arrived\n");
        file.close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return sync.hasLines(); }, 1000));
        EXPECT_EQ(sync.lyricsFile(), lyrics);
        EXPECT_EQ(settings.read("MusicPath"), song.chopped(4));
        at(1.0);
        EXPECT_EQ(state.lyricLine(), "arrived");
    }
    // The song ended: lyrics arriving later are not its.
    play(QByteArray(), "music/over.mp3");
    EXPECT_TRUE(sync.awaitingLyrics());
    tell(PlayState::Stopped);
    EXPECT_FALSE(sync.awaitingLyrics());
}

TEST_F(LyricSyncTest, ALyricsDocumentReplacesTheLines) {
    play("[00:01]old\n");
    const QString document = env.writeFile("cache/new.wrc", "[00:01]new\n");
    EXPECT_TRUE(sync.loadDocument(document));
    at(1.0);
    EXPECT_EQ(state.lyricLine(), "new");
    EXPECT_FALSE(sync.loadDocument(env.path("cache/gone.wrc")));
}

TEST_F(LyricSyncTest, NudgesMoveTheLyricsAndStayInTheirFile) {
    play("[ar:Someone]\n[00:10.00]one\n[00:20.00]two\n");
    at(9.95);
    EXPECT_EQ(state.lyricLine(), "");
    EXPECT_EQ(sync.nudge(kLyricsNudgeMs), 100);  // earlier: "one" is due at 9.9 s
    EXPECT_EQ(state.lyricLine(), "one");
    EXPECT_EQ(sync.nudge(kLyricsNudgeMs), 200);
    EXPECT_EQ(sync.nudge(-kLyricsNudgeMs), 100);
    EXPECT_EQ(view.offsets, (QList<qint64>{100, 200, 100}));
    const auto file = LyricsText::readLines(env.path("music/song.lrc"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->mid(0, 4),
              (QStringList{"[ar:Someone]", "[offset:+100]", "[00:10.00]one", "[00:20.00]two"}));
    // Without a lyrics file there is nothing to move.
    play(QByteArray(), "music/bare.mp3");
    EXPECT_EQ(sync.nudge(kLyricsNudgeMs), std::nullopt);
}

}  // namespace
