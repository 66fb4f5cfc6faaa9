#pragma once

#include <QKeyCombination>
#include <span>

#include "core/KeyTable.h"
#include "core/MessageCode.h"

namespace mirato {

class AppState;
class Dialogs;
class MediaControl;
class PlayerRequests;
class WindowRequests;

// What a menu item or a key does.
enum class ActionCommand {
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
};

// The windows that have keys of their own.
enum class KeyHost { CommandBox = 1, Player = 2, LyricsWindow = 4 };

// One line of the table of actions: a menu item, a key, or both.
struct Action {
    ActionCommand command;
    // The menu item's object name, which plug-ins, tests and the ticks know it by; nullptr for
    // a key without an item.
    const char* name;
    MessageCode text;
    // Ctrl+key matches with other modifiers held too, Alt+key only without Ctrl, a key without
    // modifiers (F1) with any. Qt::Key_unknown: no key.
    QKeyCombination key;
    // The KeyHost values, or'ed, whose windows the key works in.
    int hosts;
};

// Items two menus show in the same order: the input modes (the mode menu and the box's own
// until the menus exist), and the player's open and save items (the music menu and the
// player's own).
inline constexpr const char* kInputModeItems[] = {"Baidu", "Google", "RunCommand", "RunCMD",
                                                  "MuiscMode"};
inline constexpr const char* kOpenAndSaveItems[] = {"Open", "OpenMusicURL", "SaveAs",
                                                    "SavePlaylist", "SaveAsPlaylist"};

// Every menu item shared between menus and windows, and every key, once.
std::span<const Action> actions();
// The line of a menu item; nullptr for a name the table does not hold.
const Action* actionNamed(const QString& name);

// What the commands act on. A window without the player's commands or the dialogs leaves them
// out; a command that needs them then does nothing.
struct ActionTargets {
    AppState& state;
    MediaControl& media;
    WindowRequests& windows;
    PlayerRequests* player = nullptr;
    Dialogs* dialogs = nullptr;
};

// How far one press of Alt+Left or Alt+Right moves the lyrics.
constexpr qint64 kLyricsNudgeMs = 100;

void perform(ActionCommand command, const ActionTargets& targets);
// Play when stopped or paused, pause when playing; else nothing.
void playOrPause(MediaControl& media);
// The input modes' items carry a tick: the mode is on.
bool isTickable(ActionCommand command);
bool isTicked(ActionCommand command, const ActionTargets& targets);
// The items that save the list are offered only while a list plays.
bool isEnabled(ActionCommand command, const ActionTargets& targets);

// The keys of one window.
KeyTable keyTable(KeyHost host, const ActionTargets& targets);
// Keys the command box's field does not type: Tab and Enter, Ctrl+A and Ctrl+M (control
// characters), and Ctrl with any letter that is one of its keys.
bool isSwallowedKey(int key, Qt::KeyboardModifiers modifiers);

}  // namespace mirato
