#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QTest>

#include "app/WindowHub.h"
#include "components/MediaPlayer.h"
#include "core/Settings.h"
#include "player/PlayerCommands.h"
#include "player/PlayerWindow.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::test;

namespace {

TEST(WindowHubTest, PlayerIsMadeOnFirstUseAndUnloadedByItsCloseButton) {
    TempEnvironment env;
    AppState state;
    const AppPaths paths =
        (QDir().mkpath(env.path("app/skin")), AppPaths::forProgramFolder(env.path("app")));
    RecordingLauncher launcher;
    MediaPlayer media{std::make_unique<EngineLoader>(env.path("no-backends"))};
    WindowHub hub({state, paths, posixConventions(), launcher, media});
    RecordingDialogs dialogs;
    RecordingOpener web;
    RecordingNotifier notifier;
    PlayerCommands commands({state, paths, media, dialogs, web, notifier, hub});
    hub.setPlayerCommands(&commands);

    EXPECT_FALSE(hub.hasPlayer());
    hub.showPlayer();
    ASSERT_TRUE(hub.hasPlayer());
    EXPECT_TRUE(hub.player().isVisible());
    EXPECT_TRUE(state.playerLoaded());

    state.setLyricLine("a line");
    media.setVolume(64);
    hub.player().findChild<QAbstractButton*>("close1")->click();
    EXPECT_FALSE(hub.hasPlayer());
    EXPECT_EQ(state.lyricLine(), "");
    EXPECT_EQ(Settings::read("MusicPath"), "Close");
    QTest::qWait(10);  // the window goes once the event loop runs
    EXPECT_FALSE(state.playerLoaded());
    EXPECT_EQ(Settings::read("PlayerVolume"), "64");
}

}  // namespace
