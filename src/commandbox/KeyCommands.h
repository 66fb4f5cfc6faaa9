#pragma once

#include <QString>
#include <Qt>
#include <optional>

#include "commandbox/LyricsSearch.h"
#include "core/KeyTable.h"
#include "core/Services.h"

namespace mirato {

// Keys that are swallowed rather than typed: the control characters of Ctrl+A, B, D, F, G, I,
// L, M, N, O, P, R, S, and Tab and Enter.
bool isSwallowedKey(int key, Qt::KeyboardModifiers modifiers);

// The command box's keys: Ctrl+Right/P/Left/Up/Down/S control playback, Ctrl+I and Ctrl+L show
// the player and the lyrics window, Ctrl+N/R/D/B/G switch the input modes, Ctrl+O opens a file
// (media play, anything else goes into the box), Ctrl+F searches lyrics, F1 opens the help.
class KeyCommands {
public:
    KeyCommands(const Services& services, LyricsSearch& lyricsSearch);

    // Carries out what the press stands for; false when it stands for nothing.
    bool handle(int key, Qt::KeyboardModifiers modifiers) const {
        return keys_.trigger(key, modifiers);
    }

private:
    void openFile();

    Services c_;
    LyricsSearch& lyricsSearch_;
    KeyTable keys_;
};

}  // namespace mirato
