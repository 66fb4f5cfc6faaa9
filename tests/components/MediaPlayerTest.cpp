#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <clocale>
#include <string>

#include "components/MediaPlayer.h"
#include "core/AppState.h"
#include "core/MediaText.h"
#include "core/Settings.h"
#include "core/WorkerThread.h"
#include "lyrics/LyricSync.h"
#include "support/MediaFiles.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;

namespace {

// Seconds of a time the player tells; -1 for none.
double secondsOf(std::optional<std::chrono::milliseconds> time) {
    return time ? std::chrono::duration<double>(*time).count() : -1;
}

// Real playback through the engine plug-ins, with the null audio output.
class MediaPlayerTest : public ::testing::Test {
protected:
    MediaPlayerTest() {
        env.set("MIRATO_AUDIO_OUTPUT", "null");
        QObject::connect(
            &player, &MediaPlayer::problemFound,
            [this](MediaPlayer::Problem, const QString& detail) { problems << detail; });
    }
    bool waitForState(PlayState state, int ms = 5000) {
        return QTest::qWaitFor([&] { return player.playState() == state; }, ms);
    }

    TempEnvironment env;
    MediaPlayer player{std::make_unique<EngineLoader>(MIRATO_TEST_BACKEND_DIR)};
    QStringList problems;
};

TEST_F(MediaPlayerTest, NothingLoadedIsQuiet) {
    EXPECT_EQ(player.playState(), PlayState::Nothing);
    EXPECT_EQ(player.position(), std::nullopt);
    player.play();
    player.next();
    EXPECT_EQ(player.item(), MediaItem());
}

TEST_F(MediaPlayerTest, WavPlaysPausesAndAdvances) {
    const QString wav = env.writeFile("tone.wav", mirato::test::wavTone(4));
    player.setUrl(wav);
    ASSERT_TRUE(waitForState(PlayState::Playing));
    EXPECT_EQ(MediaText::clock(*player.item().length), "00:04");
    EXPECT_EQ(player.item().location, wav);
    EXPECT_TRUE(QTest::qWaitFor([&] { return secondsOf(player.position()) >= 1; }, 4000));
    player.pause();
    EXPECT_EQ(player.playState(), PlayState::Paused);
    const double paused = secondsOf(player.position());
    QTest::qWait(300);
    EXPECT_NEAR(secondsOf(player.position()), paused, 0.1);  // the pause settles, no more
    player.play();
    EXPECT_EQ(player.playState(), PlayState::Playing);
    EXPECT_TRUE(problems.isEmpty()) << problems.join("; ").toStdString();
}

// The engine needs numbers the C way and nothing else of the locale: the character type, by
// which Xlib encodes window titles for older window managers, stays the user's.
TEST_F(MediaPlayerTest, PlayingLeavesTheUsersLocaleButTheNumbers) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    ASSERT_NE(std::setlocale(LC_TIME, "C.UTF-8"), nullptr);
    player.setUrl(env.writeFile("tone.wav", mirato::test::wavTone(2)));
    ASSERT_TRUE(waitForState(PlayState::Playing));
    EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C.UTF-8");
    EXPECT_STREQ(std::setlocale(LC_TIME, nullptr), "C.UTF-8");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    std::setlocale(LC_ALL, before.c_str());
}

TEST_F(MediaPlayerTest, VolumeIsClamped) {
    const std::pair<int, int> cases[] = {{150, 100}, {-5, 0}, {37, 37}};
    for (const auto& [asked, kept] : cases) {
        player.setVolume(asked);
        EXPECT_EQ(player.volume(), kept);
    }
}

TEST_F(MediaPlayerTest, ListSkipsMissingEntriesAndLoops) {
    // Long enough that the end of an item is not lost in the audio output's buffer.
    env.writeFile("a.wav", mirato::test::wavTone(1.2));
    env.writeFile("sub/b.wav", mirato::test::wavTone(1.2));
    const QString list = env.writeFile(
        "list.m3u", "#EXTM3U\r\n#EXTINF:1,A\r\na.wav\r\nmissing.wav\r\nsub/b.wav\r\n");
    player.setMode(PlayMode::Repeat, true);
    player.setUrl(list);
    ASSERT_TRUE(waitForState(PlayState::Playing));
    EXPECT_EQ(player.currentIndex(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.currentIndex() == 2; }, 4000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.currentIndex() == 0; }, 4000));  // looped
    player.setMode(PlayMode::Repeat, false);
    ASSERT_TRUE(waitForState(PlayState::Stopped, 6000));
}

// A list that names itself plays the rest; a looping list of which nothing plays stops
// instead of trying its entries again and again.
TEST_F(MediaPlayerTest, SelfNamingAndUnplayableListsEnd) {
    env.writeFile("one.wav", mirato::test::wavTone(1.2));
    env.writeFile("self.m3u", "self.m3u\none.wav\n");
    player.setUrl(env.path("self.m3u"));
    ASSERT_TRUE(waitForState(PlayState::Playing));
    EXPECT_EQ(player.url(), env.path("self.m3u"));

    env.writeFile("bad1.wav", "not a sound");
    env.writeFile("bad2.wav", "not a sound either");
    player.setMode(PlayMode::Repeat, true);
    player.setUrl(env.writeFile("bad.m3u", "bad1.wav\nbad2.wav\n"));
    ASSERT_TRUE(waitForState(PlayState::Stopped, 6000));
    QTest::qWait(300);
    EXPECT_EQ(player.playState(), PlayState::Stopped);
}

TEST_F(MediaPlayerTest, ShuffleReachesEveryPlayableEntryOfAnAsxList) {
    env.writeFile("a.wav", mirato::test::wavTone(1.2));
    env.writeFile("b.wav", mirato::test::wavTone(1.2));
    const QString list =
        env.writeFile("list.asx",
                      "<asx version=\"3.0\"><entry><ref href=\"a.wav\"/></entry>"
                      "<ENTRY><REF HREF=\"gone.wav\"/></ENTRY><entry><ref href=\"b.wav\"/></entry>"
                      "</asx>");
    player.setMode(PlayMode::Shuffle, true);
    player.setMode(PlayMode::Repeat, true);
    player.setUrl(list);
    QSet<int> seen;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            if (player.playState() == PlayState::Playing)
                seen.insert(player.currentIndex());
            return seen.size() == 2;
        },
        12000));
    EXPECT_EQ(seen, (QSet<int>{0, 2}));
}

TEST_F(MediaPlayerTest, TagsOfAnMp3) {
    if (QStandardPaths::findExecutable("lame").isEmpty())
        GTEST_SKIP() << "no MP3 encoder (lame) here: the tag case is skipped";
    const QString wav = env.writeFile("t.wav", mirato::test::wavTone(2));
    const QString mp3 = env.path("t.mp3");
    QProcess::execute("lame", {"--quiet", "--tt", "Moon River", "--ta", "Some Singer", wav, mp3});
    player.setUrl(mp3);
    ASSERT_TRUE(waitForState(PlayState::Playing));
    EXPECT_EQ(player.item().artist, "Some Singer");
    EXPECT_EQ(player.item().title, "Moon River");
}

// A web radio on 127.0.0.1: one WAV answered to every request.
class StreamServer : public QObject {
public:
    explicit StreamServer(QByteArray body) : body_(std::move(body)) {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->readAll().contains("\r\n\r\n"))
                    return;
                ++requests;
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: audio/wav\r\nContent-Length: " +
                              QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" +
                              body_);
                socket->disconnectFromHost();
            });
        });
    }
    QString url() const {
        return QStringLiteral("http://127.0.0.1:%1/radio.wav").arg(server.serverPort());
    }
    QTcpServer server;
    int requests = 0;

private:
    QByteArray body_;
};

TEST_F(MediaPlayerTest, AStreamPlaysFromItsServer) {
    StreamServer radio(mirato::test::wavTone(3));
    player.setUrl(radio.url());
    ASSERT_TRUE(waitForState(PlayState::Playing));
    EXPECT_GE(radio.requests, 1);
    EXPECT_EQ(player.item().location, radio.url());
    EXPECT_TRUE(problems.isEmpty()) << problems.join("; ").toStdString();
}

TEST_F(MediaPlayerTest, AStreamThatFailsEndsWithoutHanging) {
    player.setUrl("http://127.0.0.1:9/nothing.mp3");  // nothing listens there
    EXPECT_TRUE(waitForState(PlayState::Stopped, 12000));
    const QString list = env.writeFile("dead.wpl",
                                       "<smil><body><seq><media src=\"gone.mp3\"/>"
                                       "</seq></body></smil>");
    player.setUrl(list);
    EXPECT_EQ(player.playState(), PlayState::Stopped);
}

TEST_F(MediaPlayerTest, MidiHasPositionDurationAndAnEnd) {
    const QString midi = env.writeFile("tune.mid", mirato::test::midiNotes(4));  // two seconds
    player.setUrl(midi);
    ASSERT_TRUE(waitForState(PlayState::Playing));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return player.item().length && MediaText::clock(*player.item().length) == "00:02"; },
        2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return secondsOf(player.position()) >= 1; }, 3000));
    player.pause();
    EXPECT_EQ(player.playState(), PlayState::Paused);
    player.play();
    EXPECT_TRUE(waitForState(PlayState::Stopped, 5000));
}

}  // namespace

namespace {

// What the player said, in order: the windows and the lyrics follow this instead of asking.
TEST_F(MediaPlayerTest, ThePlayerTellsItsItemStateAndPosition) {
    const QString first = env.writeFile("one.wav", mirato::test::wavTone(1));
    const QString second = env.writeFile("two.wav", mirato::test::wavTone(2));
    const QString list = env.writeFile("list.m3u", (first + "\n" + second + "\n").toUtf8());
    QStringList items;
    QList<PlayState> states;
    QList<std::chrono::milliseconds> positions;
    int tags = 0;
    QObject::connect(&player, &MediaControl::itemChanged, [&](const QString& s) { items << s; });
    QObject::connect(&player, &MediaControl::stateChanged, [&](PlayState s) { states << s; });
    QObject::connect(&player, &MediaControl::positionChanged,
                     [&](std::chrono::milliseconds p) { positions << p; });
    QObject::connect(&player, &MediaControl::tagsChanged, [&] { ++tags; });

    player.setUrl(list);
    ASSERT_TRUE(QTest::qWaitFor([&] { return items.size() == 2; }, 6000));
    EXPECT_EQ(items, (QStringList{first, second}));
    EXPECT_GE(tags, 2);  // each item's duration
    // Told while playing, never backwards within an item.
    const qsizetype before = positions.size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return positions.size() >= before + 2; }, 2000));
    const QList<std::chrono::milliseconds> during = positions.mid(before);
    EXPECT_TRUE(std::is_sorted(during.begin(), during.end()));

    player.pause();
    EXPECT_EQ(states.last(), PlayState::Paused);
    const qsizetype paused = positions.size();
    QTest::qWait(600);
    EXPECT_EQ(positions.size(), paused);  // nothing to tell while paused
    player.play();
    EXPECT_EQ(states.last(), PlayState::Playing);
    // The list ends: no item, stopped, and quiet from then on.
    ASSERT_TRUE(QTest::qWaitFor([&] { return items.last().isEmpty(); }, 5000));
    EXPECT_EQ(states.last(), PlayState::Stopped);
    const qsizetype ended = positions.size();
    QTest::qWait(600);
    EXPECT_EQ(positions.size(), ended);
}

}  // namespace

namespace {

// A song handed over while another plays is told without the other's length and tags, which
// the engine still holds while it opens the new one (a lyrics look-up would go by them).
TEST_F(MediaPlayerTest, ANewItemNeverTellsTheLastOnesLength) {
    const QString longer = env.writeFile("long.wav", mirato::test::wavTone(4));
    const QString shorter = env.writeFile("short.wav", mirato::test::wavTone(1));
    player.setUrl(longer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return secondsOf(player.item().length) > 3; }, 5000));
    QList<double> lengths;
    QObject::connect(&player, &MediaControl::itemChanged,
                     [&] { lengths << secondsOf(player.item().length); });
    QObject::connect(&player, &MediaControl::tagsChanged,
                     [&] { lengths << secondsOf(player.item().length); });
    player.setUrl(shorter);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.item().length.has_value(); }, 5000));
    ASSERT_FALSE(lengths.isEmpty());
    for (const double length : lengths)
        EXPECT_LT(length, 2) << "the last item's length";
}

// The lyric sync against the real engine: every line shows, in order, and never before the
// position the engine reports has reached its time tag. The lyrics are in GBK, as many
// downloaded ones are (你好, 世界 with a translation, 月亮).
TEST_F(MediaPlayerTest, LyricsFollowTheRealEngineAndNeverRunAhead) {
    const QString song = env.writeFile("song.wav", mirato::test::wavTone(2));
    env.writeFile("song.lrc",
                  "[00:00.30]\xC4\xE3\xBA\xC3\n[00:00.65]\xCA\xC0\xBD\xE7\n[00:00.65]world\n"
                  "[00:01.05]\xD4\xC2\xC1\xC1\n");
    const QString one = QString::fromUtf8("你好"), two = QString::fromUtf8("世界"),
                  three = QString::fromUtf8("月亮");
    AppState state;
    Settings settings(env.path("Mirato.dat"));
    LyricSync sync(state, settings, player, hostConventions(), env.path("cache"));
    sync.setActive(true);
    QStringList shown;
    QList<double> early;
    QObject::connect(&state, &AppState::lyricLineChanged, [&](const QString& line) {
        if (line.isEmpty())
            return;
        shown << line;
        const double tag = line == one ? 0.30 : line == two ? 0.65 : 1.05;
        early << tag - secondsOf(player.position());
    });
    player.setUrl(song);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.size() == 3; }, 5000));
    EXPECT_EQ(shown, (QStringList{one, two, three}));
    for (const double ahead : early)
        EXPECT_LE(ahead, 0.0);
}

}  // namespace

// A song named at start plays before the player exists; the player takes it over as it plays:
// the song goes on from where it is (no second start), and the player tells it as its own.
// Anything else played first stops it.
TEST_F(MediaPlayerTest, ASongBegunAtStartIsTakenOverAsItPlays) {
    const QString song = env.writeFile("start.wav", mirato::test::wavTone(6));
    const QString other = env.writeFile("other.wav", mirato::test::wavTone(6));
    for (const QString& played : {song, other}) {
        SCOPED_TRACE(played.toStdString());
        MediaPlayer fresh{std::make_unique<EngineLoader>(MIRATO_TEST_BACKEND_DIR)};
        auto headStart =
            std::make_unique<EngineHeadStart>(song, 30, Loudness::Track, MIRATO_TEST_BACKEND_DIR);
        QTest::qWait(1500);
        fresh.takeOver(std::move(headStart));
        fresh.setUrl(played);
        ASSERT_TRUE(QTest::qWaitFor([&] { return fresh.playState() == PlayState::Playing; }));
        EXPECT_EQ(fresh.item().location, played);
        // Taken over, the song is a second or more in; opened afresh, it is at its start.
        const double at = secondsOf(fresh.position());
        EXPECT_EQ(at >= 0.8, played == song) << at;
    }
}

// The head start finds its engine on a thread of its own, which then ends; on Windows such a
// thread that read files or matched a name filter on its way brought the program down as it
// ended, one in a few.
TEST(EngineLoaderThreadTest, TheEngineFolderIsReadOnThreadsThatEnd) {
    for (int i = 0; i < 64; ++i) {
        QString engine;
        WorkerThread worker;
        worker.start([&engine] {
            EngineLoader loader(MIRATO_TEST_BACKEND_DIR);
            engine = loader.engineFor(QStringLiteral("/music/song.mp3"));
        });
        // Meanwhile this thread goes on as the program's does.
        QDir(MIRATO_TEST_BACKEND_DIR).entryList({QStringLiteral("*.json")});
        worker.join();
        ASSERT_EQ(engine, "mpv");
    }
}

// Only a local song of an engine that may start early gets a head start; a list, a stream, a
// missing file or another document waits for the player.
TEST_F(MediaPlayerTest, OnlyALocalSongStartsEarly) {
    const struct {
        QString document;
        bool early;
    } cases[] = {
        {env.writeFile("song.wav", mirato::test::wavTone(1)), true},
        {env.writeFile("list.m3u", "song.wav\n"), false},
        {"http://127.0.0.1:9/stream.mp3", false},
        {env.path("missing.mp3"), false},
        {env.writeFile("notes.txt", "text"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document.toStdString());
        const std::unique_ptr<EngineHeadStart> headStart = EngineHeadStart::forDocument(c.document);
        EXPECT_EQ(headStart != nullptr, c.early);
    }
}
