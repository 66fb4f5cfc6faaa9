#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSet>
#include <functional>

#include "app/MenuHost.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/PlayerRequests.h"
#include "core/PluginCatalog.h"
#include "core/Settings.h"
#include "core/Strings.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::test;

namespace {

struct RecordingPlayer : PlayerRequests {
    void openFiles() override { calls << "openFiles"; }
    void openAddress() override { calls << "openAddress"; }
    void saveMediaAs() override { calls << "saveMediaAs"; }
    void savePlaylist() override { calls << "savePlaylist"; }
    void savePlaylistAs() override { calls << "savePlaylistAs"; }
    void dropOnPlayer(const QStringList&) override { calls << "drop"; }
    QStringList calls;
};

class MenuHostTest : public ::testing::Test {
protected:
    QAction* item(const char* name) { return menus.item(QLatin1String(name)); }

    TempEnvironment env;
    Settings settings{Settings::defaultFilePath()};
    AppState state;
    AppPaths paths =
        (QDir().mkpath(env.path("app/skin")), AppPaths::forProgramFolder(env.path("app")));
    PluginCatalog plugins{paths.pluginFolders(), posixConventions()};
    RecordingLauncher launcher;
    RecordingMedia media;
    RecordingWindows windows;
    RecordingPlayer player;
    RecordingOpener web;
    RecordingNotifier notifier;
    RecordingDialogs dialogs;
    const Services services{state, paths,   posixConventions(), plugins, launcher, web,
                            media, windows, notifier,           dialogs};
    MenuHost menus{services, player, settings};
};

// Plug-ins and the settings know the items by their names: every item has one, found again by
// it, and a caption no other item of its menu has, in every language.
TEST_F(MenuHostTest, EveryItemIsFoundByItsNameAndReadsAsItself) {
    QSet<QString> names;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        QSet<QString> captions;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            EXPECT_FALSE(action->objectName().isEmpty()) << action->text().toStdString();
            EXPECT_EQ(item(action->objectName().toUtf8().constData()), action);
            EXPECT_FALSE(action->text().isEmpty()) << action->objectName().toStdString();
            EXPECT_FALSE(captions.contains(action->text())) << action->text().toStdString();
            captions.insert(action->text());
            names.insert(action->objectName());
            if (action->menu())
                walk(action->menu());
        }
    };
    for (const char* language : {"English", "chinese1", "chinese"}) {
        item(language)->trigger();
        for (QMenu* menu : {menus.trayMenu(), menus.musicMenu(), menus.modeMenu()})
            walk(menu);
    }
    EXPECT_GE(names.size(), 41);
    EXPECT_EQ(item("Open")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(item("Baidu")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
}

TEST_F(MenuHostTest, CommandsChangeSettingsAndTicks) {
    item("RPlay")->trigger();
    EXPECT_EQ(settings.read("RPlay"), "True");
    EXPECT_TRUE(item("RPlay")->isChecked());
    item("RPlay")->trigger();
    EXPECT_EQ(settings.read("RPlay"), "False");
    item("RndPlay")->trigger();
    EXPECT_EQ(media.calls, (QStringList{"loop=on", "loop=off", "shuffle=on"}));

    bool power = false;
    QObject::connect(&menus, &MenuHost::powerSavingChanged, [&](bool on) { power = on; });
    item("electricity")->trigger();
    EXPECT_TRUE(power);
    EXPECT_EQ(settings.read("electricity"), "True");

    item("Green")->trigger();
    EXPECT_EQ(state.theme(), "Green");
    item("RosePink")->trigger();
    EXPECT_EQ(state.theme(), "RosePink");
    EXPECT_TRUE(item("RosePink")->isChecked());
    EXPECT_FALSE(item("Green")->isChecked());
    EXPECT_EQ(windows.themeApplied, 2);

    item("FormTop")->trigger();
    EXPECT_EQ(settings.read("bTopMost"), "True");
    EXPECT_EQ(windows.topMostApplied, 1);

    item("Baidu")->trigger();
    item("Google")->trigger();
    EXPECT_EQ(InputModes::shownText(state), Strings::text(127));
    item("Google")->trigger();
    EXPECT_EQ(InputModes::shownText(state), "");

    item("SiteUrl")->trigger();
    item("OpenMusicURL")->trigger();
    item("showLRC")->trigger();
    EXPECT_EQ(web.addresses.size(), 1);
    EXPECT_EQ(player.calls, QStringList{"openAddress"});
    EXPECT_EQ(windows.lyricsShown, 1);
    item("Help")->trigger();
    EXPECT_EQ(windows.helpOpened, 1);
}

TEST_F(MenuHostTest, LanguagesRecaptionTheMenus) {
    item("English")->trigger();
    EXPECT_EQ(settings.read("Language"), "3");
    EXPECT_EQ(item("mExit")->text(), "Exit(&E)");
    EXPECT_EQ(item("Plugin")->text(), "Plugin");
    EXPECT_EQ(item("Language")->text(), "Language");  // keeps its own caption
    EXPECT_EQ(item("English")->text(), "English");
    item("chinese")->trigger();
    // The captions the menus were first drawn with are replaced by the table's.
    EXPECT_EQ(item("chinese")->text(), Strings::text(142));
    EXPECT_EQ(item("chinese1")->text(), Strings::text(144));
    EXPECT_EQ(item("mExit")->text(), Strings::text(145));
    EXPECT_EQ(item("showLRC")->text(), Strings::text(158));
    EXPECT_TRUE(item("chinese")->isChecked());
    EXPECT_FALSE(item("English")->isChecked());

    // The submenu in the menu tree's order.
    QStringList order;
    for (QAction* action : item("Language")->menu()->actions())
        order.append(action->objectName());
    EXPECT_EQ(order, (QStringList{"English", "chinese", "chinese1"}));
}

TEST_F(MenuHostTest, PlaylistSavesOnlyForTheExactListExtensions) {
    const std::pair<const char*, bool> cases[] = {{"/m/list.Wpl", true},  {"/m/list.M3U", true},
                                                  {"/m/list.asx", true},  {"/m/list.wPL", false},
                                                  {"/m/song.mp3", false}, {"", false}};
    for (const auto& [url, enabled] : cases) {
        media.urls = {url};
        emit menus.musicMenu()->aboutToShow();
        EXPECT_EQ(item("SavePlaylist")->isEnabled(), enabled) << url;
        EXPECT_EQ(item("SaveAsPlaylist")->isEnabled(), enabled) << url;
    }
}

TEST_F(MenuHostTest, PluginEntriesKeepTheirFolderIndex) {
    // Folders list in name order here: "A" is no plug-in, "B" is one.
    env.writeFile("app/Plugin/A/setting.ini", "[title]\nchinese=甲\n");
    const QString program = env.writeFile("app/Plugin/B/B", "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    env.writeFile("app/Plugin/B/setting.ini", "[title]\nchinese=乙\nenglish=Beta\n");
    plugins.scan();
    menus.buildPluginMenus();
    for (const char* menuName : {"Plugin", "Plugin1", "Plugin2"}) {
        QMenu* menu = item(menuName)->menu();
        QStringList captions;
        for (QAction* action : menu->actions())
            captions << action->text();
        EXPECT_EQ(captions, (QStringList{"NO Plugin", QString::fromUtf8("乙"), Strings::text(163)}))
            << menuName;
    }
    item("Plugin")->menu()->actions().at(0)->trigger();  // "NO Plugin": nothing starts
    item("Plugin2")->menu()->actions().at(1)->trigger();
    ASSERT_EQ(launcher.launches.size(), 1);
    EXPECT_EQ(launcher.launches.first().command.program, program);
}

}  // namespace

namespace {

// One of three levels, ticked alone, stored for the next start and given to the player; a
// missing or unknown value reads as Track.
TEST_F(MenuHostTest, LoudnessIsOneOfThreeAndStored) {
    QMenu* levels = item("Loudness")->menu();
    const auto ticked = [&] {
        emit levels->aboutToShow();
        QStringList on;
        for (const char* name : {"LoudnessOff", "LoudnessTrack", "LoudnessAlbum"})
            if (item(name)->isChecked())
                on << name;
        return on;
    };
    EXPECT_EQ(ticked(), QStringList{"LoudnessTrack"});
    item("LoudnessAlbum")->trigger();
    EXPECT_EQ(settings.read("ReplayGain"), "Album");
    EXPECT_EQ(media.loudness, Loudness::Album);
    item("LoudnessOff")->trigger();
    EXPECT_EQ(settings.read("ReplayGain"), "Off");
    EXPECT_EQ(media.loudness, Loudness::Off);
    EXPECT_EQ(ticked(), QStringList{"LoudnessOff"});
    settings.write("ReplayGain", "loud");
    EXPECT_EQ(ticked(), QStringList{"LoudnessTrack"});
    settings.write("ReplayGain", "Album");  // another program's choice shows when the menu opens
    EXPECT_EQ(ticked(), QStringList{"LoudnessAlbum"});

    item("English")->trigger();
    EXPECT_EQ(item("Loudness")->text(), "Loudness");
    EXPECT_EQ(item("LoudnessTrack")->text(), "Track");
    EXPECT_EQ(levels->parentWidget(), item("Setting")->menu());
}

TEST_F(MenuHostTest, StartTicksFollowTheStoredValues) {
    const struct {
        Language language;
        const char* theme;
        const char* languageItem;
        const char* themeItem;  // nullptr: no theme ticked at start
    } cases[] = {
        {Language::SimplifiedChinese, "Blue", "chinese", "blue"},
        {Language::TraditionalChinese, "Green", "chinese1", "Green"},
        {Language::English, "Purple", "English", "Purple"},
        {Language::English, "RosePink", "English", nullptr},
        {Language::SimplifiedChinese, "LightGreen", "chinese", nullptr},
    };
    settings.write("RndPlay", "True");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.theme);
        state.setLanguage(c.language);
        state.setTheme(c.theme);
        MenuHost fresh{services, player, settings};
        fresh.setTicked(ItemId::FileTypes, true);
        for (const char* item : {"chinese", "chinese1", "English"})
            EXPECT_EQ(fresh.item(item)->isChecked(), QString(item) == c.languageItem) << item;
        for (const char* item : {"blue", "RosePink", "Green", "LightGreen", "Purple"})
            EXPECT_EQ(fresh.item(item)->isChecked(), c.themeItem && QString(item) == c.themeItem)
                << item;
        EXPECT_TRUE(fresh.item("RndPlay")->isChecked());
        EXPECT_TRUE(fresh.item("link")->isChecked());
        EXPECT_FALSE(fresh.item("RPlay")->isChecked());
        EXPECT_FALSE(fresh.item("AutoRun")->isChecked());
        // Another language than Simplified Chinese captions the menus in it.
        EXPECT_EQ(fresh.item("mExit")->text() == "退出程序",
                  c.language == Language::SimplifiedChinese);
    }
}

}  // namespace
