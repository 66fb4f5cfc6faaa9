#include <gtest/gtest.h>

#include "core/Settings.h"
#include "core/Strings.h"
#include "lyrics/LyricSync.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::test;

namespace {

struct RecordingView : LyricsView {
    void showLines(const QString& p, const QString& c, const QString& n) override {
        previous = p, current = c, next = n;
        ++shown;
    }
    QString previous, current, next;
    int shown = 0;
};

class LyricSyncTest : public ::testing::Test {
protected:
    LyricSyncTest() {
        state.setLanguage("3");
        sync.setView(&view);
    }

    // Plays a song at a position; the lyrics file lies beside it.
    QString song(const QByteArray& lrc) {
        const QString path = env.writeFile("music/song.mp3", "ID3");
        if (!lrc.isNull())
            env.writeFile("music/song.lrc", lrc);
        media.source = path;
        media.state = MediaControl::kPlaying;
        return path;
    }
    void at(const char* position) {
        media.position = position;
        sync.tick();
    }

    TempEnvironment env;
    Settings settings{Settings::defaultFilePath()};
    AppState state;
    RecordingMedia media;
    RecordingView view;
    LyricSync sync{state, settings, media, posixConventions()};
};

TEST_F(LyricSyncTest, LoadsInTheFirstSecondsAndMatchesByMinutesAndSeconds) {
    song(
        "[ti:Title]\n[00:05.10]first\n[00:05.90]second\n[00:07.00][01:40.00]chorus  \n"
        "lone 00:09 line\n[00:11]\n");
    media.position = "00:04";
    sync.checkTrackStart();
    EXPECT_TRUE(sync.lines().isEmpty());  // too late for the start check
    media.position = "00:02";
    sync.checkTrackStart();
    ASSERT_EQ(sync.lines().size(), 6);
    EXPECT_TRUE(sync.syncing());
    EXPECT_TRUE(state.hasLyrics());
    EXPECT_EQ(settings.read("MusicPath"), env.path("music/song"));
    EXPECT_EQ(settings.read("LRC"), "Kavelo LrcShow");

    struct Step {
        const char* position;
        const char* line;
        const char* previous;
        const char* next;
        const char* lrc;
    };
    const Step steps[] = {
        {"00:05", "second", "first", "chorus  ", "second"},  // the later line of the second
        {"00:07", "chorus  ", "second", "lone 00:09 line", "chorus"},
        {"00:08", "chorus  ", "second", "lone 00:09 line", "chorus"},  // no match: unchanged
        {"00:09", "lone 00:09 line", "chorus  ", "", "lone 00:09 line"},
        {"00:11", "", "lone 00:09 line", "", "Kavelo LrcShow"},        // an empty line
        {"01:40", "chorus  ", "second", "lone 00:09 line", "chorus"},  // second tag
    };
    for (const Step& step : steps) {
        at(step.position);
        EXPECT_EQ(state.lyricLine(), step.line) << step.position;
        EXPECT_EQ(view.current, step.line) << step.position;
        EXPECT_EQ(view.previous, step.previous) << step.position;
        EXPECT_EQ(view.next, step.next) << step.position;
        EXPECT_EQ(settings.read("LRC"), step.lrc) << step.position;
    }

    // The same song again does not load again; after a stop it does.
    settings.write("LRC", "x");
    media.position = "00:00";
    sync.checkTrackStart();
    EXPECT_EQ(settings.read("LRC"), "x");
}

TEST_F(LyricSyncTest, PauseKeepsTheLineStopEndsTheSync) {
    song("[00:01]one\n[00:02]two\n");
    media.position = "00:00";
    sync.checkTrackStart();
    at("00:02");
    media.state = MediaControl::kPaused;
    at("00:02");
    EXPECT_EQ(state.lyricLine(), "two");
    EXPECT_TRUE(sync.syncing());
    media.state = MediaControl::kStopped;
    at("");  // stopped: no position, every line matches
    EXPECT_FALSE(sync.syncing());
    EXPECT_EQ(settings.read("MusicPath"), "End");
    EXPECT_EQ(settings.read("LRC"), "Kavelo LrcShow");
    media.state = MediaControl::kPlaying;
    media.position = "00:00";
    sync.checkTrackStart();  // replaying loads again
    EXPECT_TRUE(sync.syncing());
}

TEST_F(LyricSyncTest, NoLyricsAndStreams) {
    song(QByteArray());
    media.position = "00:01";
    sync.checkTrackStart();
    EXPECT_FALSE(state.hasLyrics());
    EXPECT_FALSE(sync.syncing());
    EXPECT_EQ(view.current, "No Lyrics");
    EXPECT_EQ(view.previous, "");
    EXPECT_EQ(settings.read("LRC"), "Kavelo LrcShow");

    // A stream reached inside a list leaves the old lines where they are.
    song("[00:01]kept\n");
    sync.checkTrackStart();
    ASSERT_EQ(sync.lines().size(), 1);
    media.source = "http://radio.example/live.mp3";
    media.position = "00:00";
    sync.checkTrackStart();
    sync.checkWhilePlaying();
    EXPECT_EQ(sync.lines().size(), 1);

    // The last four characters go, whatever they are.
    EXPECT_EQ(LyricSync::lyricsFileOf("/music/a.Mp3"), "/music/a.lrc");
    EXPECT_EQ(LyricSync::lyricsFileOf("/music/a.midi"), "/music/a..lrc");
}

TEST_F(LyricSyncTest, CheckWhilePlayingCatchesMissedStartsAndVanishedFiles) {
    song("[00:30]late\n");
    media.position = "00:30";
    sync.checkWhilePlaying();
    EXPECT_TRUE(sync.syncing());
    QFile::remove(env.path("music/song.lrc"));
    settings.write("MusicPath", "");
    sync.checkWhilePlaying();
    EXPECT_FALSE(sync.syncing());
    EXPECT_TRUE(sync.lines().isEmpty());
    EXPECT_FALSE(state.hasLyrics());
}

TEST_F(LyricSyncTest, LyricsDocumentReplacesTheLines) {
    song("[00:01]old\n");
    const QString document = env.writeFile("cache/new.wrc", "[00:01]new\n");
    EXPECT_TRUE(sync.loadDocument(document));
    at("00:01");
    EXPECT_EQ(state.lyricLine(), "new");
    EXPECT_FALSE(sync.loadDocument(env.path("cache/gone.wrc")));
}

TEST_F(LyricSyncTest, TenThousandLinesStayCheap) {
    QByteArray big;
    for (int i = 0; i < 10000; ++i)
        big += QByteArray("[") + QByteArray::number(10 + i / 60 % 50) + ":" +
               QByteArray::number(10 + i % 50) + ".00]line " + QByteArray::number(i) + "\n";
    song(big);
    media.position = "00:00";
    sync.checkTrackStart();
    ASSERT_EQ(sync.lines().size(), 10000);
    at("00:01");  // matches nothing
    EXPECT_EQ(state.lyricLine(), "");
    at("12:11");
    EXPECT_TRUE(state.lyricLine().startsWith("line "));
}

}  // namespace
