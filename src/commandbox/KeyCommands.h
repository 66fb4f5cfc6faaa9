#pragma once

#include <QString>
#include <Qt>
#include <optional>

#include "commandbox/LyricsSearch.h"
#include "core/AppPaths.h"
#include "core/Dialogs.h"
#include "core/KeyTable.h"
#include "core/WindowRequests.h"

namespace mirato {

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

// The command box's keys: Ctrl+Right/P/Left/Up/Down/S control playback, Ctrl+I and Ctrl+L show
// the player and the lyrics window, Ctrl+N/R/D/B/G switch the input modes, Ctrl+O opens a file
// (media play, anything else goes into the box), Ctrl+F searches lyrics, F1 opens the help.
class KeyCommands {
public:
    explicit KeyCommands(KeyContext context);

    // Carries out what the press stands for; false when it stands for nothing.
    bool handle(int key, Qt::KeyboardModifiers modifiers) const {
        return keys_.trigger(key, modifiers);
    }

private:
    void openFile();

    KeyContext c_;
    KeyTable keys_;
};

}  // namespace mirato
