#pragma once

#include <Qt>
#include <optional>

#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/KeyTable.h"
#include "core/Launcher.h"
#include "core/MediaControl.h"
#include "core/PlayerRequests.h"
#include "core/WindowRequests.h"

namespace mirato {

class Settings;

enum class KeyHost { Player, LyricsWindow };

// How far one press of Alt+Left or Alt+Right moves the lyrics.
constexpr qint64 kLyricsNudgeMs = 100;

// Ctrl+P everywhere: play when stopped, paused or ready; pause when playing; else nothing.
void playOrPause(MediaControl& media);

// What the player and the desktop lyrics window act through: the shared state, the media, the
// other windows, the player's commands and the settings their positions and modes live in.
struct PlaybackWindowContext {
    AppState& state;
    const AppPaths& paths;
    const HostConventions& conventions;
    Launcher& launcher;
    MediaControl& media;
    WindowRequests& windows;
    PlayerRequests& commands;
    Settings& settings;
};

// The keys of the player and of the desktop lyrics window: Ctrl+Right/P/Left/Up/Down control
// playback, Ctrl+R or Ctrl+X show the box, Ctrl+L (player) shows the lyrics window and Ctrl+I
// (lyrics window) the player, Ctrl+O/U/S open files, an address, save the media, Ctrl+F
// searches lyrics, Alt+Left and Alt+Right move the lyrics earlier and later, F1 opens the help.
KeyTable playbackKeys(KeyHost host, const PlaybackWindowContext& context);

}  // namespace mirato
