#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>

#include "app/Application.h"
#include "app/MenuHost.h"
#include "app/WindowHub.h"
#include "commandbox/CommandBox.h"
#include "components/MediaPlayer.h"
#include "core/AppPaths.h"
#include "core/Settings.h"
#include "player/PlayerWindow.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;

namespace {

bool ticked(Application& app, const char* name) {
    return app.menus().item(QLatin1String(name))->isChecked();
}

TEST(StartupTest, FirstStartWithoutSettings) {
    TempEnvironment env;
    Application app;
    app.start();
    // The box shows at once; menus, tray and hotkey follow once it has painted.
    EXPECT_TRUE(app.commandBox().isVisible());
    EXPECT_FALSE(app.isStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.isStarted(); }));
    EXPECT_TRUE(ticked(app, "chinese"));
    EXPECT_TRUE(ticked(app, "blue"));
    for (const char* name : {"RPlay", "RndPlay", "electricity", "FormTop", "English"})
        EXPECT_FALSE(ticked(app, name)) << name;
    EXPECT_EQ(Settings::read("TM"), "180");
    EXPECT_EQ(Settings::read("OneRun"), "1");
    EXPECT_EQ(Settings::read("MiratoPath"), AppPaths::current().programFolder());
    EXPECT_FALSE(app.windows().hasPlayer());
    EXPECT_TRUE(app.commandBox().isVisible());
    EXPECT_EQ(app.menus().item("mExit")->text(), QString::fromUtf8("退出程序"));
}

TEST(StartupTest, StoredOptionsAreApplied) {
    TempEnvironment env;
    env.writeFile("Mirato.dat",
                  "[Option]\nLanguage=4\nSkin=RosePink\nRPlay=True\nRndPlay=true\nTM=90\n"
                  "bTopMost=True\nOneRun=1\n");
    Application app;
    app.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.isStarted(); }));
    EXPECT_TRUE(ticked(app, "chinese"));
    for (const char* name : {"blue", "RosePink", "Green", "LightGreen", "Purple", "RndPlay"})
        EXPECT_FALSE(ticked(app, name)) << name;
    EXPECT_TRUE(ticked(app, "RPlay"));
    EXPECT_TRUE(ticked(app, "FormTop"));
    ASSERT_TRUE(app.windows().hasPlayer());  // made for the loop mode, but not shown
    EXPECT_FALSE(app.windows().player().isVisible());
    EXPECT_TRUE(app.media().loop());
    EXPECT_FALSE(app.media().shuffle());
    EXPECT_EQ(Settings::read("TM"), "90");

    env.writeFile("Mirato.dat", "[Option]\nLanguage=3\nOneRun=1\n");
    Application english;
    english.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return english.isStarted(); }));
    EXPECT_TRUE(ticked(english, "English"));
    EXPECT_EQ(english.menus().item("mExit")->text(), "Exit(&E)");
}

TEST(StartupTest, CommandLineIsHandedOverWithoutQuotes) {
    TempEnvironment env;
    const QString notes = env.writeFile("my notes.txt", "x");
    Application app;
    app.start("\"" + notes + "\"");
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.isStarted(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app.commandBox().input()->text().isEmpty(); }));
    EXPECT_EQ(app.commandBox().input()->text(), notes);
}

// Desktops without a notification area: the box's right click offers the tray menu, and a
// bare second start (the desktop's launcher) brings a hidden box back.
TEST(StartupTest, WithoutATrayTheBoxLeadsToTheTrayMenuAndABareStartShowsIt) {
    if (QSystemTrayIcon::isSystemTrayAvailable())
        GTEST_SKIP() << "this desktop has a notification area";
    TempEnvironment env;
    Application app;
    app.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.isStarted(); }));
    CommandBox& box = app.commandBox();
    QMenu* trayMenu = app.menus().trayMenu();
    const QPoint background(box.width() / 2, 4);
    QContextMenuEvent onBackground(QContextMenuEvent::Mouse, background,
                                   box.mapToGlobal(background));
    QApplication::sendEvent(&box, &onBackground);
    EXPECT_TRUE(trayMenu->isVisible());
    trayMenu->hide();

    box.hideToTray();
    app.execute("Count");
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.isVisible(); }));
}

TEST(StartupTest, ExitLeavesTheFilesAsTheNextStartExpects) {
    TempEnvironment env;
    env.set("XDG_DATA_HOME", env.path("data"));
    Application app;
    app.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.isStarted(); }));
    const QString list = AppPaths::current().currentPlaylistFile();
    ASSERT_TRUE(list.startsWith(env.path("data")));
    env.writeFile("data/mirato/playlist/playlist.m3u", "/m/a.mp3\r\n");
    ASSERT_TRUE(QFile::exists(list));
    app.media().setVolume(42);
    app.execute("Count");
    app.shutDown();
    EXPECT_FALSE(app.commandBox().isVisible());
    EXPECT_EQ(Settings::read("MusicPath"), "Close");
    EXPECT_EQ(Settings::read("PlayerVolume"), "42");
    EXPECT_FALSE(QFile::exists(list));
}

}  // namespace
