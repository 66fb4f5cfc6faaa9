#pragma once

#include <QString>
#include <Qt>
#include <optional>

#include "commandbox/LyricsSearch.h"
#include "core/AppPaths.h"
#include "core/Dialogs.h"
#include "core/WindowRequests.h"

namespace mirato {

// The command box's keyboard commands, in the order they are tested.
enum class BoxKey {
    Next,          // Ctrl+Right
    PlayPause,     // Ctrl+P
    Previous,      // Ctrl+Left
    VolumeUp,      // Ctrl+Up
    VolumeDown,    // Ctrl+Down
    ShowPlayer,    // Ctrl+I
    ToggleMusic,   // Ctrl+N
    ShowLyrics,    // Ctrl+L
    OpenFile,      // Ctrl+O
    ToggleRun,     // Ctrl+R
    ToggleRunCmd,  // Ctrl+D
    ToggleBaidu,   // Ctrl+B
    ToggleGoogle,  // Ctrl+G
    SearchLyrics,  // Ctrl+F
    ToggleMute,    // Ctrl+S
    Help,          // F1
};

// The command a key press in the box stands for. Ctrl combinations match whatever other
// modifiers are held too.
std::optional<BoxKey> boxKeyFor(int key, Qt::KeyboardModifiers modifiers);

// Keys that are swallowed rather than typed: the control characters of Ctrl+A, B, D, F, G, I,
// L, M, N, O, P, R, S, and Tab and Enter.
bool isSwallowedKey(int key, Qt::KeyboardModifiers modifiers);

struct KeyContext {
    AppState& state;
    const AppPaths& paths;
    const HostConventions& conventions;
    Launcher& launcher;
    MediaControl& media;
    WindowRequests& windows;
    Dialogs& dialogs;
    LyricsSearch& lyricsSearch;
};

class KeyCommands {
public:
    explicit KeyCommands(KeyContext context);

    // Carries out a command; returns a text to put into the box when the command has one
    // (a non-media file chosen in the open dialog).
    std::optional<QString> perform(BoxKey key);

private:
    std::optional<QString> openFile();

    KeyContext c_;
};

}  // namespace mirato
