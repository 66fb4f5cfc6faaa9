#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "app/WindowHub.h"
#include "appearance/WindowSkin.h"
#include "commandbox/CommandBox.h"
#include "commandbox/CommandInterpreter.h"
#include "commandbox/LineCompleter.h"
#include "commandbox/LyricsSearch.h"
#include "components/MediaPlayer.h"
#include "core/ApplicationCatalog.h"
#include "core/LearntPicks.h"
#include "core/LineHistory.h"
#include "core/PluginCatalog.h"
#include "core/Settings.h"
#include "lyrics/LyricSync.h"
#include "lyrics/LyricsWindow.h"
#include "player/PlayerCommands.h"
#include "player/PlayerWindow.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"
#include "support/ThemeFolder.h"

using namespace mirato;
using namespace mirato::test;

namespace {

class WindowHubTest : public ::testing::Test {
protected:
    WindowHubTest() { hub.attach(box, commands); }

    TempEnvironment env;
    Settings settings{Settings::defaultFilePath()};
    AppState state;
    const AppPaths paths =
        (QDir().mkpath(env.path("app/skin")), AppPaths::forProgramFolder(env.path("app")));
    RecordingLauncher launcher;
    MediaPlayer media{std::make_unique<EngineLoader>(env.path("no-backends"))};
    RecordingNotifier notifier;
    PluginCatalog plugins{paths.pluginFolders(), posixConventions()};
    LyricsSearch lyricsSearch{state, settings, plugins, media, launcher, notifier};
    LyricSync sync{state, settings, media, posixConventions()};
    // The box and the player's commands come after the hub, as in the program.
    WindowHub hub{
        {state, paths, posixConventions(), launcher, media, settings, sync, lyricsSearch}};
    RecordingDialogs dialogs;
    RecordingOpener web;
    Services services{state, paths, posixConventions(), plugins, launcher, web,
                      media, hub,   notifier,           dialogs};
    PlayerCommands commands{services};
    ApplicationCatalog applications{{}};
    LineHistory history{env.path("config/Mirato.history")};
    LearntPicks picks{env.path("config/Mirato.picks")};
    CommandInterpreter interpreter{services, {}, history};
    LineCompleter completer{state, applications,       interpreter, history,
                            picks, posixConventions(), {}};
    ActionTargets targets{state, media, hub, nullptr, &dialogs};
    CommandBox box{interpreter, targets,  completer,         history,
                   settings,    notifier, paths.skinFolder()};
};

QColor backgroundOf(const WindowSkin& skin) {
    return QColor(skin.background().toImage().pixel(5, 5));
}

TEST_F(WindowHubTest, PlayerIsMadeOnFirstUseAndUnloadedByItsCloseButton) {
    QSignalSpy lyricsLoaded(&state, &AppState::lyricsLoadedChanged);
    EXPECT_FALSE(hub.hasPlayer());
    hub.showPlayer();
    ASSERT_TRUE(hub.hasPlayer());
    EXPECT_TRUE(hub.player().isVisible());
    EXPECT_TRUE(state.playerLoaded());

    state.setLyricLine("a line");
    media.setVolume(64);
    hub.player().findChild<QAbstractButton*>("close1")->click();
    EXPECT_FALSE(hub.hasPlayer());
    EXPECT_EQ(lyricsLoaded.count(), 0);  // "no lyrics" needs no window to show in
    EXPECT_EQ(state.lyricLine(), "");
    EXPECT_EQ(settings.read("MusicPath"), "Close");
    // The window goes once the event loop comes to its deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(state.playerLoaded());
    EXPECT_EQ(settings.read("PlayerVolume"), "64");
}

TEST_F(WindowHubTest, ThemeOpacityAndTopMostReachEveryOpenWindow) {
    writeSolidTheme(paths.skinFolder(), "Blue", 0);
    writeSolidTheme(paths.skinFolder(), "Night", 1);
    state.setTheme("Blue");
    LyricsWindow& lyrics = hub.lyricsWindow();  // the player comes first
    PlayerWindow& player = hub.player();
    EXPECT_EQ(backgroundOf(player.skin()), solidColour("Player.bmp", 0));
    EXPECT_EQ(backgroundOf(lyrics.skin()), solidColour("LrcShow.bmp", 0));

    state.setTheme("Night");
    hub.applyTheme();
    EXPECT_EQ(backgroundOf(player.skin()), solidColour("Player.bmp", 1));
    EXPECT_EQ(backgroundOf(lyrics.skin()), solidColour("LrcShow.bmp", 1));
    EXPECT_EQ(backgroundOf(box.skin()), solidColour("Mirato.bmp", 1));

    state.setOpacity(100);
    hub.applyOpacity();
    EXPECT_NEAR(player.windowOpacity(), 100 / 255.0, 0.01);
    EXPECT_NEAR(lyrics.windowOpacity(), 100 / 255.0, 0.01);
    EXPECT_NEAR(box.windowOpacity(), 100 / 255.0, 0.01);

    settings.write("bTopMost", "True");
    hub.applyTopMost();
    EXPECT_TRUE(player.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(lyrics.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    settings.write("bTopMost", "true");  // only the exact text counts
    hub.applyTopMost();
    EXPECT_FALSE(player.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(WindowHubTest, TheBoxIsShownAndFilledWhoeverAsks) {
    state.setBoxShown(false);
    hub.fillCommandBox("notes.lrc");
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.input()->text(), "notes.lrc");
    EXPECT_FALSE(hub.hasPlayer());  // the box alone makes no other window

    box.hide();
    hub.showCommandBox();
    EXPECT_TRUE(box.isVisible());
    EXPECT_TRUE(state.boxShown());  // the next Alt+R hides it
}

// The menus come after the box has painted; a player made for a play mode may be older.
TEST_F(WindowHubTest, ThePlayerOffersTheMusicMenuWhicheverCameFirst) {
    QMenu music;
    music.addAction("from the menus");
    const auto pressIcon = [this] {
        auto* icon = hub.player().findChild<QLabel*>("modeIcon");
        QTest::mousePress(icon, Qt::LeftButton, {}, QPoint(2, 2));
    };
    hub.showPlayer();
    hub.setMusicMenu(&music);  // the player is older than the menus
    pressIcon();
    EXPECT_TRUE(music.isVisible());
    music.hide();

    hub.player().findChild<QAbstractButton*>("close1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    hub.showPlayer();  // made again, after the menus
    pressIcon();
    EXPECT_TRUE(music.isVisible());
    music.hide();
}

}  // namespace
