#include <gtest/gtest.h>

#include <QDir>
#include <QSet>

#include "core/Actions.h"
#include "core/AppState.h"
#include "core/HelpOpener.h"
#include "core/InputModes.h"
#include "core/PlayerRequests.h"
#include "core/Strings.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::test;

namespace {

struct Player : PlayerRequests {
    void openFiles() override { calls.append("open"); }
    void openAddress() override { calls.append("address"); }
    void saveMediaAs() override { calls.append("save"); }
    void savePlaylist() override { calls.append("save list"); }
    void savePlaylistAs() override { calls.append("save list as"); }
    void dropOnPlayer(const QStringList&) override {}
    QStringList calls;
};

// Everything a command can do, recorded as it happens.
struct Targets {
    AppState state;
    RecordingMedia media;
    RecordingWindows windows;
    Player player;
    RecordingDialogs dialogs;
    ActionTargets box{state, media, windows, nullptr, &dialogs};
    ActionTargets playback{state, media, windows, &player, nullptr};

    QStringList effects() const {
        QStringList seen = media.calls + player.calls;
        if (media.volumeValue != 50)
            seen << QString("volume %1").arg(media.volumeValue);
        if (media.muted)
            seen << "muted";
        const std::pair<int, const char*> counts[] = {
            {windows.playerShown, "player"},  {windows.lyricsShown, "lyrics"},
            {windows.commandBoxShown, "box"}, {windows.lyricsSearched, "search"},
            {windows.helpOpened, "help"},     {int(dialogs.filters.size()), "dialog"}};
        for (const auto& [count, what] : counts)
            for (int i = 0; i < count; ++i)
                seen << what;
        for (qint64 nudge : windows.nudges)
            seen << QString("nudge %1").arg(nudge);
        if (const auto mode = InputModes::active(state))
            seen << Strings::message(Language::English, InputModes::text(*mode));
        return seen;
    }
};

TEST(ActionsTest, EachWindowsKeys) {
    const auto ctrl = Qt::ControlModifier;
    const auto alt = Qt::AltModifier;
    const auto none = Qt::NoModifier;
    const struct {
        KeyHost host;
        int key;
        Qt::KeyboardModifiers held;
        const char* effect;  // nullptr: the key is not one of the window's
    } rows[] = {
        // Ctrl+key with other modifiers held too; a bare key with any.
        {KeyHost::CommandBox, Qt::Key_P, ctrl | Qt::ShiftModifier, "play"},
        {KeyHost::CommandBox, Qt::Key_D, ctrl | alt, "- Run CMD Mode"},
        {KeyHost::CommandBox, Qt::Key_F1, Qt::ShiftModifier, "help"},
        {KeyHost::CommandBox, Qt::Key_P, none, nullptr},
        {KeyHost::CommandBox, Qt::Key_C, ctrl, nullptr},  // copy stays copy
        // Alt+key only without Ctrl: Ctrl wins.
        {KeyHost::Player, Qt::Key_Right, alt, "nudge -100"},
        {KeyHost::Player, Qt::Key_Left, ctrl | alt, "previous"},
        {KeyHost::CommandBox, Qt::Key_Left, alt, nullptr},
        // One key, a way of its own in each window.
        {KeyHost::CommandBox, Qt::Key_R, ctrl, "- Run Mode"},
        {KeyHost::Player, Qt::Key_R, ctrl, "box"},
        {KeyHost::CommandBox, Qt::Key_S, ctrl, "muted"},
        {KeyHost::Player, Qt::Key_S, ctrl, "save"},
        {KeyHost::CommandBox, Qt::Key_O, ctrl, "dialog"},
        {KeyHost::LyricsWindow, Qt::Key_I, ctrl, "player"},
        {KeyHost::Player, Qt::Key_I, ctrl, nullptr},
        {KeyHost::LyricsWindow, Qt::Key_L, ctrl, nullptr},
        {KeyHost::LyricsWindow, Qt::Key_Down, ctrl, "volume 40"},
    };
    for (const auto& row : rows) {
        Targets t;
        const bool inBox = row.host == KeyHost::CommandBox;
        const KeyTable keys = keyTable(row.host, inBox ? t.box : t.playback);
        SCOPED_TRACE(testing::Message() << static_cast<int>(row.host) << " key " << row.key);
        EXPECT_EQ(keys.trigger(row.key, row.held), row.effect != nullptr);
        EXPECT_EQ(t.effects(), row.effect ? QStringList{row.effect} : QStringList{});
    }
}

TEST(ActionsTest, PlayPauseDependsOnThePlayState) {
    const std::pair<PlayState, const char*> cases[] = {
        {PlayState::Stopped, "play"},  {PlayState::Paused, "play"},   {PlayState::Playing, "pause"},
        {PlayState::Opening, nullptr}, {PlayState::Nothing, nullptr},
    };
    for (const auto& [state, expected] : cases) {
        Targets t;
        t.media.state = state;
        perform(ActionCommand::PlayPause, t.box);
        EXPECT_EQ(t.media.calls, expected ? QStringList{expected} : QStringList{}) << int(state);
    }
}

TEST(ActionsTest, OpenIntoTheBoxPlaysMediaAndPutsOtherFilesIntoTheBox) {
    const std::tuple<QString, bool, std::optional<QString>> cases[] = {
        {"/music/Song.MP3", true, std::nullopt},
        {"/music/Song.mP3", false, "/music/Song.mP3"},
        {"/docs/notes.txt", false, "/docs/notes.txt"},
        {"", false, std::nullopt},  // cancelled
    };
    for (const auto& [chosen, plays, boxText] : cases) {
        Targets t;
        t.dialogs.answer = chosen;
        perform(ActionCommand::OpenIntoBox, t.box);
        EXPECT_EQ(t.windows.commandBoxTexts, boxText ? QStringList{*boxText} : QStringList{})
            << chosen.toStdString();
        EXPECT_EQ(t.media.urls, plays ? QStringList{chosen} : QStringList{});
        EXPECT_EQ(t.dialogs.filters, QStringList{"All File(ALL Type)| *.*"});
    }
    // Where there are no dialogs or no player's commands, nothing happens.
    Targets t;
    perform(ActionCommand::OpenIntoBox, t.playback);
    perform(ActionCommand::SavePlaylist, t.box);
    EXPECT_EQ(t.effects(), QStringList{});
}

TEST(ActionsTest, TicksAndOfferedItems) {
    Targets t;
    perform(ActionCommand::GoogleMode, t.box);
    EXPECT_EQ(tickOf(actionOf(ItemId::Google), t.box), true);
    EXPECT_EQ(tickOf(actionOf(ItemId::Baidu), t.box), false);
    EXPECT_FALSE(isTickable(ActionCommand::ShowPlayer));
    // A switch reads its tick from the settings, where there are any.
    EXPECT_EQ(tickOf(actionOf(ItemId::Repeat), t.box), std::nullopt);
    // Saving the list is offered while a list plays, whatever the case of its extension.
    const std::pair<const char*, bool> urls[] = {
        {"/m/a.m3u", true}, {"/m/a.WPL", true}, {"/m/a.mp3", false}, {"", false}};
    for (const auto& [url, offered] : urls) {
        t.media.urls = {url};
        EXPECT_EQ(isEnabled(ActionCommand::SavePlaylist, t.playback), offered) << url;
        EXPECT_TRUE(isEnabled(ActionCommand::SaveMediaAs, t.playback));
    }
}

// Code places and finds items by their id, plug-ins by their name: one row each.
TEST(ActionsTest, EveryItemHasOneRowAndANameOfItsOwn) {
    QSet<QString> names;
    for (int id = static_cast<int>(ItemId::OpenMusic);
         id <= static_cast<int>(ItemId::DownloadModePlugins); ++id) {
        int rows = 0;
        for (const Action& row : actions())
            rows += static_cast<int>(row.item) == id;
        ASSERT_EQ(rows, 1) << "item " << id;
        const Action& row = actionOf(static_cast<ItemId>(id));
        ASSERT_NE(row.name, nullptr) << "item " << id;
        EXPECT_FALSE(names.contains(row.name)) << row.name;
        names.insert(row.name);
    }
}

TEST(ActionsTest, TheBoxDoesNotTypeItsKeys) {
    const auto ctrl = Qt::ControlModifier;
    for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key) {
        Targets fresh;
        const bool bound = keyTable(KeyHost::CommandBox, fresh.box).trigger(key, ctrl);
        const bool control = key == Qt::Key_A || key == Qt::Key_M;
        EXPECT_EQ(isSwallowedKey(key, ctrl), bound || control) << char(key);
    }
    EXPECT_TRUE(isSwallowedKey(Qt::Key_Tab, Qt::NoModifier));
    EXPECT_TRUE(isSwallowedKey(Qt::Key_Return, Qt::NoModifier));
    EXPECT_FALSE(isSwallowedKey(Qt::Key_P, Qt::NoModifier));
    EXPECT_FALSE(isSwallowedKey(Qt::Key_Right, ctrl));  // moves the caret as well
}

TEST(ActionsTest, HelpOpensTheFileOfTheLanguage) {
    TempEnvironment env;
    const AppPaths paths =
        (QDir().mkpath(env.path("app/skin")), AppPaths::forProgramFolder(env.path("app")));
    const std::pair<Language, const char*> cases[] = {
        {Language::SimplifiedChinese, "Help_CHS.txt"},
        {Language::TraditionalChinese, "Help_CHT.txt"},
        {Language::English, "Help_ENG.txt"}};
    for (const auto& [language, file] : cases) {
        RecordingLauncher launcher;
        openHelp(paths, language, windowsConventions(), launcher);
        ASSERT_EQ(launcher.launches.size(), 1);
        EXPECT_EQ(launcher.launches.first().command,
                  (Command{"notepad", {env.path("app/skin/other/") + file}}));
    }
}

}  // namespace
