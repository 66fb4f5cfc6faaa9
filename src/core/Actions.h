#pragma once

#include <QKeyCombination>
#include <optional>
#include <span>

#include "core/KeyTable.h"
#include "core/MessageCode.h"
#include "core/Setting.h"

namespace mirato {

class AppState;
class Dialogs;
class Settings;
class MediaControl;
class PlayerRequests;
class WindowRequests;

// What a menu item or a key does.
enum class ActionCommand {
    None,  // a submenu, filled by whoever places it
    Next,
    PlayPause,
    Previous,
    VolumeUp,
    VolumeDown,
    Mute,
    MusicMode,
    RunMode,
    RunCmdMode,
    BaiduMode,
    GoogleMode,
    ShowCommandBox,
    ShowPlayer,
    ShowLyrics,
    OpenIntoBox,  // a media file plays, any other goes into the box
    SearchLyrics,
    Help,
    OpenFiles,
    OpenAddress,
    SaveMediaAs,
    SavePlaylist,
    SavePlaylistAs,
    LyricsEarlier,
    LyricsLater,
    // The program's own, carried out by the menus' owner: one of a group (the row's value says
    // which), a switch (the row's setting holds it), or a request. They stay last: perform()
    // leaves every command from ChooseTheme on to that owner.
    ChooseTheme,
    ChooseLanguage,
    ChooseLoudness,
    Repeat,
    Shuffle,
    PowerSaving,
    TopMost,
    DesktopAnswers,
    FindLyricsOnline,
    AutoRun,
    FileTypes,
    ChangeToggleKey,
    ClearHistory,
    Website,
    About,
    Exit,
    DownloadPlugins,
};

// Every menu item, by which the code places and finds it. Separator and End only appear in
// layouts: End closes the submenu the last submenu item opened.
enum class ItemId {
    KeyOnly,  // a key without an item
    Separator,
    End,
    // Shared by menus and windows.
    OpenMusic,
    OpenPlayer,
    MusicMode,
    ShowLyrics,
    RunMode,
    RunCmdMode,
    Baidu,
    Google,
    Help,
    ShowBox,
    OpenRun,
    Open,
    OpenAddress,
    SaveAs,
    SavePlaylist,
    SavePlaylistAs,
    LyricsEarlier,
    LyricsLater,
    // The tray menu's.
    Plugins,
    SettingsMenu,
    Themes,
    ThemeBlue,
    ThemeRosePink,
    ThemeGreen,
    ThemeLightGreen,
    ThemePurple,
    PlayModes,
    Repeat,
    Shuffle,
    PowerSaving,
    Loudness,
    LoudnessOff,
    LoudnessTrack,
    LoudnessAlbum,
    AutoRun,
    TopMost,
    FileTypes,
    DesktopAnswers,
    ChangeToggleKey,
    ClearHistory,
    Languages,
    English,
    SimplifiedChinese,
    TraditionalChinese,
    HelpCenter,
    Website,
    About,
    Exit,
    // The music and mode menus'.
    FindLyricsOnline,
    MusicPlugins,
    ModePlugins,
    // At the end of each plug-in submenu.
    DownloadPlugins,
    DownloadMusicPlugins,
    DownloadModePlugins,
};

// The windows that have keys of their own.
enum class KeyHost { CommandBox = 1, Player = 2, LyricsWindow = 4 };

// One line of the table of actions: a menu item, a key, or both.
struct Action {
    ItemId item;
    ActionCommand command;
    // The menu item's object name, which plug-ins and tests know it by; nullptr for a key
    // without an item.
    const char* name;
    // The caption; none: the item is captioned by its name in every language.
    std::optional<MessageCode> text;
    // Ctrl+key matches with other modifiers held too, Alt+key only without Ctrl, a key without
    // modifiers (F1) with any. Qt::Key_unknown: no key.
    QKeyCombination key = QKeyCombination(Qt::Key_unknown);
    // The KeyHost values, or'ed, whose windows the key works in.
    int hosts = 0;
    // A switch's setting, which holds its tick.
    const Setting<bool>* setting = nullptr;
    // Which one of its group: the theme's place in themeNames(), a Language, a Loudness.
    int value = 0;
};

// Items two menus show in the same order: the input modes (the mode menu and the box's own
// until the menus exist), and the player's open and save items (the music menu and the
// player's own).
inline constexpr ItemId kInputModeItems[] = {ItemId::Baidu, ItemId::Google, ItemId::RunMode,
                                             ItemId::RunCmdMode, ItemId::MusicMode};
inline constexpr ItemId kOpenAndSaveItems[] = {ItemId::Open, ItemId::OpenAddress, ItemId::SaveAs,
                                               ItemId::SavePlaylist, ItemId::SavePlaylistAs};

// Every menu item and every key, once.
std::span<const Action> actions();
// The line of a menu item (never KeyOnly, Separator or End).
const Action& actionOf(ItemId item);
// The themes' names as stored, in the menu's order.
std::span<const char* const> themeNames();

// What the commands act on. A window without the player's commands or the dialogs leaves them
// out; a command that needs them then does nothing.
struct ActionTargets {
    AppState& state;
    MediaControl& media;
    WindowRequests& windows;
    PlayerRequests* player = nullptr;
    Dialogs* dialogs = nullptr;
    // Where the switches are stored (the tray and music menus).
    const Settings* settings = nullptr;
};

// How far one press of Alt+Left or Alt+Right moves the lyrics.
constexpr qint64 kLyricsNudgeMs = 100;

// Carries out a command of the windows and the player; false for the program's own commands,
// which the menus' owner carries out.
bool perform(ActionCommand command, const ActionTargets& targets);
// Play when stopped or paused, pause when playing; else nothing.
void playOrPause(MediaControl& media);
// Items with a tick: the input modes, the switches, the groups, start at login, file types.
bool isTickable(ActionCommand command);
// The tick the state, the settings or the media give an item; none for an item whose tick
// is its own once placed (start at login, file types, themes).
std::optional<bool> tickOf(const Action& row, const ActionTargets& targets);
// The items that save the list are offered only while a list plays.
bool isEnabled(ActionCommand command, const ActionTargets& targets);

// The keys of one window.
KeyTable keyTable(KeyHost host, const ActionTargets& targets);
// Keys the command box's field does not type: Tab and Enter, Ctrl+A and Ctrl+M (control
// characters), and Ctrl with any letter that is one of its keys.
bool isSwallowedKey(int key, Qt::KeyboardModifiers modifiers);

}  // namespace mirato
