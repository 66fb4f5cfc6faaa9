#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <functional>

#include "app/Application.h"
#include "app/MenuHost.h"
#include "app/WindowHub.h"
#include "commandbox/CommandBox.h"
#include "components/MediaPlayer.h"
#include "core/AppPaths.h"
#include "core/Settings.h"
#include "core/Strings.h"
#include "player/PlayerWindow.h"
#include "support/DesktopStandIns.h"
#include "support/TempEnvironment.h"
#include "support/TestPlatform.h"

using namespace mirato;
using mirato::test::TempEnvironment;
using mirato::test::TestPlatform;

namespace {

// What the settings file holds now.
Settings stored() {
    return Settings(Settings::defaultFilePath());
}

bool ticked(Application& app, const char* name) {
    return app.menus().item(QLatin1String(name))->isChecked();
}

TEST(StartupTest, FirstStartWithoutSettings) {
    TempEnvironment env;
    TestPlatform platform;
    Application app(platform);
    app.start();
    // The box shows at once; menus, tray and hotkey follow once it has painted.
    EXPECT_TRUE(app.commandBox().isVisible());
    EXPECT_FALSE(app.isStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.isStarted(); }));
    EXPECT_TRUE(ticked(app, "chinese"));
    EXPECT_TRUE(ticked(app, "blue"));
    for (const char* name : {"RPlay", "RndPlay", "electricity", "FormTop", "English"})
        EXPECT_FALSE(ticked(app, name)) << name;
    EXPECT_EQ(stored().read("TM"), "180");
    EXPECT_EQ(stored().read("OneRun"), "1");
    EXPECT_EQ(stored().read("MiratoPath"), AppPaths::current().programFolder());
    EXPECT_FALSE(app.windows().hasPlayer());
    EXPECT_TRUE(app.commandBox().isVisible());
    EXPECT_EQ(app.menus().item("mExit")->text(), QString::fromUtf8("退出程序"));
}

TEST(StartupTest, StoredOptionsAreApplied) {
    TempEnvironment env;
    env.writeFile("Mirato.dat",
                  "[Option]\nLanguage=4\nSkin=RosePink\nRPlay=True\nRndPlay=true\nTM=90\n"
                  "bTopMost=True\nOneRun=1\n");
    TestPlatform platform;
    Application app(platform);
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
    EXPECT_EQ(stored().read("TM"), "90");

    env.writeFile("Mirato.dat", "[Option]\nLanguage=3\nOneRun=1\n");
    Application english(platform);
    english.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return english.isStarted(); }));
    EXPECT_TRUE(ticked(english, "English"));
    EXPECT_EQ(english.menus().item("mExit")->text(), "Exit(&E)");
}

TEST(StartupTest, CommandLineIsHandedOverWithoutQuotes) {
    TempEnvironment env;
    const QString notes = env.writeFile("my notes.txt", "x");
    TestPlatform platform;
    Application app(platform);
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
    TestPlatform platform;
    Application app(platform);
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
    TestPlatform platform;
    Application app(platform);
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
    EXPECT_EQ(stored().read("MusicPath"), "Close");
    EXPECT_EQ(stored().read("PlayerVolume"), "42");
    EXPECT_FALSE(QFile::exists(list));
}

// The box's key comes from whichever backend the session has; the program only listens.
TEST(StartupTest, TheToggleKeyShowsAndHidesTheBoxOrTheUserIsToldOnce) {
    TempEnvironment env;
    env.writeFile("Mirato.dat", "[Option]\nLanguage=3\nOneRun=1\n");
    mirato::test::NotificationsStandIn notices;
    ASSERT_TRUE(notices.start());
    TestPlatform platform;
    {
        Application app(platform);
        app.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.isStarted(); }));
        ASSERT_NE(platform.shortcut, nullptr);
        EXPECT_EQ(platform.shortcut->descriptions, QStringList{"Show or hide the Mirato box"});
        CommandBox& box = app.commandBox();
        emit platform.shortcut->activated();
        EXPECT_FALSE(box.isVisible());
        emit platform.shortcut->activated();
        EXPECT_TRUE(box.isVisible());

        // Where the desktop offers its own dialog for the key, the menu leads there.
        QAction* change = app.menus().item("HotKey");
        EXPECT_FALSE(change->isVisible());
        platform.shortcut->changeable = true;
        emit platform.shortcut->bound("Alt+R");
        ASSERT_TRUE(change->isVisible());
        EXPECT_EQ(change->text(), "Change the box's key...");
        change->trigger();
        EXPECT_EQ(platform.shortcut->changeRequests, 1);

        emit platform.shortcut->unavailable(GlobalShortcut::Problem::NoPortal);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !notices.bodies.isEmpty(); }));
        EXPECT_TRUE(notices.bodies.first().contains("mirato --toggle"));
        EXPECT_EQ(notices.desktopEntries.first(), "org.mirato.Mirato");
        app.shutDown();
        EXPECT_TRUE(platform.shortcut->released);
    }
    Application again(platform);
    again.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return again.isStarted(); }));
    emit platform.shortcut->unavailable(GlobalShortcut::Problem::Refused);
    QTest::qWait(200);
    EXPECT_EQ(notices.bodies.size(), 1);
}

TEST(StartupTest, PowerSavingFollowsWhetherTheDesktopHasAnIdleTime) {
    TempEnvironment env;
    env.writeFile("Mirato.dat", "[Option]\nelectricity=True\nOneRun=1\n");
    TestPlatform platform;
    platform.idleAvailable = false;
    Application app(platform);
    app.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.isStarted(); }));
    QAction* power = app.menus().item("electricity");
    const QString why = Strings::message(Language::SimplifiedChinese, MessageCode::NoIdleTime);
    EXPECT_FALSE(power->isEnabled());
    EXPECT_EQ(power->toolTip(), why);

    platform.idle->available = true;
    emit platform.idle->availabilityChanged(true);
    EXPECT_TRUE(power->isEnabled());
    EXPECT_NE(power->toolTip(), why);
}

// However the end comes, what must survive is stored and the program ends.
TEST(StartupTest, AnyEndOtherThanTheCloseButtonStoresAndEnds) {
    const std::pair<const char*, std::function<void(Application&)>> ends[] = {
        {"the window manager closes the box", [](Application& app) { app.commandBox().close(); }},
        {"a termination signal", [](Application&) { std::raise(SIGTERM); }},
        {"the session ends the event loop",
         [](Application&) {
             QTimer::singleShot(0, qApp, &QCoreApplication::quit);
             QCoreApplication::exec();
         }},
    };
    for (const auto& [what, end] : ends) {
        SCOPED_TRACE(what);
        TempEnvironment env;
        TestPlatform platform;
        Application app(platform);
        app.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.isStarted(); }));
        app.media().setVolume(37);
        end(app);
        ASSERT_TRUE(QTest::qWaitFor([&] { return stored().read("PlayerVolume") == "37"; }));
        EXPECT_EQ(stored().read("MusicPath"), "Close");
        EXPECT_FALSE(app.commandBox().isVisible());
        EXPECT_TRUE(platform.shortcut->released);
    }
    // The close button only hides the box.
    TempEnvironment env;
    TestPlatform platform;
    Application app(platform);
    app.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.isStarted(); }));
    app.commandBox().hideToTray();
    EXPECT_TRUE(stored().read("MusicPath").isEmpty());
}

// Whoever shows the box means it to be shown: the next Alt+R hides it.
TEST(StartupTest, TheBoxShownFromTheTrayHidesAtTheNextAltR) {
    TempEnvironment env;
    TestPlatform platform;
    Application app(platform);
    app.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.isStarted(); }));
    CommandBox& box = app.commandBox();
    for (const char* item : {"mShow", "OpenRun"}) {
        box.hideToTray();
        app.menus().item(item)->trigger();
        ASSERT_TRUE(box.isVisible()) << item;
        emit platform.shortcut->activated();
        EXPECT_FALSE(box.isVisible()) << item;
    }
}

}  // namespace
