#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/PluginCatalog.h"
#include "core/Strings.h"
#include "player/PlayerCommands.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::test;

namespace {

class PlayerCommandsTest : public ::testing::Test {
protected:
    PlayerCommandsTest() { state.setLanguage(Language::English); }
    QByteArray currentList() const { return env.readFile("app/playlist/playlist.m3u"); }

    TempEnvironment env;
    AppState state;
    // A portable folder: skin/ beside the program.
    AppPaths paths =
        (QDir().mkpath(env.path("app/skin")), AppPaths::forProgramFolder(env.path("app")));
    RecordingMedia media;
    RecordingDialogs dialogs;
    RecordingOpener web;
    RecordingNotifier notifier;
    RecordingWindows windows;
    RecordingLauncher launcher;
    PluginCatalog plugins{paths.pluginFolders(), posixConventions()};
    PlayerCommands commands{{state, paths, posixConventions(), plugins, launcher, web, media,
                             windows, notifier, dialogs}};
};

TEST_F(PlayerCommandsTest, OpenedFilesGrowForTheWholeRun) {
    dialogs.answers = {"/m/a.mp3", "/m/b.mp3"};
    commands.openFiles();
    EXPECT_EQ(currentList(), "/m/a.mp3\r\n/m/b.mp3\r\n");
    dialogs.answers = {"/n/c.wma"};
    commands.openFiles();  // one file plays at once and leaves the list alone
    EXPECT_EQ(currentList(), "/m/a.mp3\r\n/m/b.mp3\r\n");
    dialogs.answers = {"/o/d.mid", "/o/e.wav"};
    commands.openFiles();
    EXPECT_EQ(currentList(), "/m/a.mp3\r\n/m/b.mp3\r\n/n/c.wma\r\n/o/d.mid\r\n/o/e.wav\r\n");
    const QString list = paths.currentPlaylistFile();
    EXPECT_EQ(media.urls, (QStringList{list, "/n/c.wma", list}));
    dialogs.answers = {};
    commands.openFiles();  // cancelled
    EXPECT_EQ(media.urls.size(), 3);
}

TEST_F(PlayerCommandsTest, DropsOfFoldersOneFileOrSeveral) {
    for (const char* name : {"b.MP3", "a.wav", "notes.txt", "c.mid", "d.Wma"})
        env.writeFile(QString("music/") + name, "x");
    QDir().mkpath(env.path("music/sub.mp3"));  // a folder is no file
    QDir().mkpath(env.path("empty"));

    commands.dropOnPlayer({env.path("music"), "/ignored.mp3"});
    const QString m = env.path("music");
    EXPECT_EQ(QString::fromUtf8(currentList()),
              m + "/a.wav\r\n" + m + "/b.MP3\r\n" + m + "/c.mid\r\n" + m + "/d.Wma\r\n");
    EXPECT_EQ(media.urls, QStringList{paths.currentPlaylistFile()});

    commands.dropOnPlayer({env.path("empty")});
    EXPECT_EQ(currentList(), "");
    EXPECT_EQ(media.urls.size(), 1);  // nothing to start

    commands.dropOnPlayer({"/m/one.mp3"});
    EXPECT_EQ(media.urls.last(), "/m/one.mp3");
    EXPECT_EQ(currentList(), "");

    commands.dropOnPlayer({"/m/z.mp3", "/m/y.mp3"});
    EXPECT_EQ(currentList(), "/m/z.mp3\r\n/m/y.mp3\r\n");
    EXPECT_EQ(media.urls.last(), paths.currentPlaylistFile());
}

TEST_F(PlayerCommandsTest, SavePlaylistCopiesUnderTheTypedName) {
    const QString list = env.writeFile("lists/now.m3u", "/m/a.mp3\r\n");
    media.urls = {list};
    dialogs.text = std::nullopt;  // cancelled
    commands.savePlaylist();
    EXPECT_TRUE(notifier.messages.isEmpty());

    dialogs.text = "party";
    commands.savePlaylist();
    EXPECT_EQ(env.readFile("app/playlist/party.m3u"), "/m/a.mp3\r\n");
    EXPECT_EQ(notifier.messages, QStringList{Strings::text(328) + "party" + Strings::text(329)});
    EXPECT_EQ(dialogs.filters.last(), Strings::text(360) + "|" + Strings::text(359));

    media.urls = {env.writeFile("song.wav", "RIFF")};  // a single file keeps its extension
    commands.savePlaylist();
    EXPECT_EQ(env.readFile("app/playlist/party.wav"), "RIFF");

    media.urls = {"http://radio.example/live.m3u"};
    commands.savePlaylist();
    EXPECT_EQ(web.addresses, QStringList{"http://radio.example/live.m3u"});
}

TEST_F(PlayerCommandsTest, SaveMediaAsCopiesLocalFilesAndOpensAddresses) {
    media.source = env.writeFile("music/song.mp3", "ID3");
    dialogs.answer = "";  // cancelled
    commands.saveMediaAs();
    EXPECT_EQ(dialogs.filters.last(), "song.mp3|All File(ALL Type)| *.*");

    dialogs.answer = env.path("copy.mp3");
    env.writeFile("copy.mp3", "old");
    commands.saveMediaAs();
    EXPECT_EQ(env.readFile("copy.mp3"), "ID3");

    env.writeFile("blocked", "a file, not a folder");
    dialogs.answer = env.path("blocked/copy.mp3");
    commands.saveMediaAs();
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages.first().startsWith("Oops! Could not copy"));

    media.source = "HTtp://host/a.mp3";
    commands.saveMediaAs();
    EXPECT_EQ(web.addresses, QStringList{"HTtp://host/a.mp3"});
}

TEST_F(PlayerCommandsTest, OpenAddressPlaysAndForgetsTheLyrics) {
    state.setLyricLine("line");
    dialogs.text = "";
    commands.openAddress();
    EXPECT_TRUE(media.urls.isEmpty());
    dialogs.text = "http://radio.example/stream";
    commands.openAddress();
    EXPECT_EQ(media.urls, QStringList{"http://radio.example/stream"});
    EXPECT_EQ(state.lyricLine(), "");
    EXPECT_EQ(windows.lyricsCleared, 1);
    EXPECT_EQ(dialogs.filters.last(), Strings::text(361) + "|" + Strings::text(362));
}

TEST_F(PlayerCommandsTest, UnwritableListIsReported) {
    env.writeFile("app/playlist", "a file where the folder should be");
    commands.dropOnPlayer({"/m/a.mp3", "/m/b.mp3"});
    EXPECT_TRUE(media.urls.isEmpty());
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_TRUE(notifier.messages.first().contains("playlist.m3u"));
}

}  // namespace
