#include <gtest/gtest.h>

#include "core/PlaybackKeys.h"
#include "core/Settings.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::test;

namespace {

struct Player : PlayerRequests {
    void openFiles() override { calls.append("open"); }
    void openAddress() override { calls.append("address"); }
    void saveMediaAs() override { calls.append("save"); }
    void savePlaylist() override {}
    void savePlaylistAs() override {}
    void dropOnPlayer(const QStringList&) override {}
    QStringList calls;
};

// Both windows share the playback keys; Ctrl+L and Ctrl+I each show the other window.
TEST(PlaybackKeysTest, EachWindowReachesTheOther) {
    TempEnvironment env;
    AppState state;
    const AppPaths paths = AppPaths::forProgramFolder(env.path("app"));
    RecordingLauncher launcher;
    RecordingMedia media;
    RecordingWindows windows;
    Player player;
    Settings settings{env.path("config/Mirato.ini")};
    const PlaybackWindowContext context{
        state, paths, posixConventions(), launcher, media, windows, player, settings};
    const auto ctrl = Qt::ControlModifier;
    const KeyTable inPlayer = playbackKeys(KeyHost::Player, context);
    const KeyTable inLyrics = playbackKeys(KeyHost::LyricsWindow, context);

    EXPECT_TRUE(inPlayer.trigger(Qt::Key_L, ctrl));
    EXPECT_FALSE(inPlayer.trigger(Qt::Key_I, ctrl));
    EXPECT_TRUE(inLyrics.trigger(Qt::Key_I, ctrl));
    EXPECT_FALSE(inLyrics.trigger(Qt::Key_L, ctrl));
    EXPECT_EQ(windows.lyricsShown, 1);
    EXPECT_EQ(windows.playerShown, 1);

    for (int key : {Qt::Key_R, Qt::Key_X})
        EXPECT_TRUE(inLyrics.trigger(key, ctrl | Qt::ShiftModifier));
    EXPECT_EQ(windows.commandBoxShown, 2);
    for (int key : {Qt::Key_O, Qt::Key_U, Qt::Key_S})
        EXPECT_TRUE(inPlayer.trigger(key, ctrl));
    EXPECT_EQ(player.calls, (QStringList{"open", "address", "save"}));
    EXPECT_FALSE(inPlayer.trigger(Qt::Key_O, Qt::NoModifier));

    // Alt+Left and Alt+Right move the lyrics; with Ctrl held too, the songs.
    EXPECT_TRUE(inLyrics.trigger(Qt::Key_Left, Qt::AltModifier));
    EXPECT_TRUE(inPlayer.trigger(Qt::Key_Right, Qt::AltModifier));
    EXPECT_TRUE(inPlayer.trigger(Qt::Key_Left, ctrl | Qt::AltModifier));
    EXPECT_FALSE(inPlayer.trigger(Qt::Key_Left, Qt::NoModifier));
    EXPECT_EQ(windows.nudges, (QList<qint64>{kLyricsNudgeMs, -kLyricsNudgeMs}));
    EXPECT_EQ(media.calls, QStringList{"previous"});
}

}  // namespace
