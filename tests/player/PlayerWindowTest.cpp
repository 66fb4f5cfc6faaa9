#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "components/MediaPlayer.h"
#include "core/PluginCatalog.h"
#include "core/Settings.h"
#include "player/PlayerCommands.h"
#include "player/PlayerWindow.h"
#include "support/MediaFiles.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::test;

namespace {

class PlayerWindowTest : public ::testing::Test {
protected:
    PlayerWindowTest() { env.set("MIRATO_AUDIO_OUTPUT", "null"); }
    std::unique_ptr<PlayerWindow> makeWindow() {
        return std::make_unique<PlayerWindow>(
            PlaybackWindowContext{state, media, windows, commands, settings, paths.skinFolder()},
            media);
    }

    TempEnvironment env;
    Settings settings{Settings::defaultFilePath()};
    AppState state;
    AppPaths paths =
        (QDir().mkpath(env.path("app/skin")), AppPaths::forProgramFolder(env.path("app")));
    MediaPlayer media{std::make_unique<EngineLoader>(MIRATO_TEST_BACKEND_DIR)};
    RecordingLauncher launcher;
    RecordingWindows windows;
    RecordingDialogs dialogs;
    RecordingOpener web;
    RecordingNotifier notifier;
    PluginCatalog plugins{paths.pluginFolders(), posixConventions()};
    PlayerCommands commands{{state, paths, posixConventions(), plugins, launcher, web, media,
                             windows, notifier, dialogs}};
};

TEST_F(PlayerWindowTest, CreationRestoresVolumeAndModes) {
    settings.write("PlayerVolume", "70");
    settings.write("RPlay", "True");
    settings.write("RndPlay", "true");  // not exactly "True": off
    auto window = makeWindow();
    EXPECT_EQ(media.volume(), 70);
    EXPECT_TRUE(media.loop());
    EXPECT_FALSE(media.shuffle());
    EXPECT_TRUE(state.playerLoaded());
    EXPECT_EQ(window->windowTitle(), "VizavIva");
    EXPECT_EQ(window->timeText(), "");  // nothing loaded
    window.reset();
    EXPECT_FALSE(state.playerLoaded());
}

TEST_F(PlayerWindowTest, ShowsTitleAndTimeAndTakesTheKeys) {
    auto window = makeWindow();
    const QString wav = env.writeFile("My Song.wav", wavTone(5));
    media.setUrl(wav);
    ASSERT_TRUE(QTest::qWaitFor([&] { return media.playState() == PlayState::Playing; }));
    window->refreshDisplay();
    EXPECT_EQ(window->titleText(), "My Song");  // untagged: its file name
    EXPECT_TRUE(QRegularExpression("^00:0[0-5]/00:05$").match(window->timeText()).hasMatch())
        << window->timeText().toStdString();

    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(media.playState(), PlayState::Paused);
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(media.playState(), PlayState::Playing);
    QTest::keyClick(window.get(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(media.volume(), 40);
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(windows.lyricsShown, 1);
    EXPECT_EQ(windows.commandBoxShown, 1);
    EXPECT_EQ(windows.lyricsSearched, 1);
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(windows.helpOpened, 1);
}

}  // namespace
