#pragma once

#include <Qt>
#include <optional>

#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/Launcher.h"
#include "core/MediaControl.h"
#include "core/PlayerRequests.h"
#include "core/WindowRequests.h"

namespace mirato {

// The keys of the player and the desktop lyrics window.
enum class PlaybackKey {
    Next,            // Ctrl+Right
    PlayPause,       // Ctrl+P
    Previous,        // Ctrl+Left
    VolumeUp,        // Ctrl+Up
    VolumeDown,      // Ctrl+Down
    ShowCommandBox,  // Ctrl+R, Ctrl+X
    ShowOther,       // Ctrl+L in the player (lyrics window), Ctrl+I in the lyrics window (player)
    OpenFiles,       // Ctrl+O
    OpenAddress,     // Ctrl+U
    SaveMedia,       // Ctrl+S
    SearchLyrics,    // Ctrl+F
    Help,            // F1
};

enum class KeyHost { Player, LyricsWindow };

std::optional<PlaybackKey> playbackKeyFor(int key, Qt::KeyboardModifiers modifiers, KeyHost host);

// Ctrl+P everywhere: play when stopped, paused or ready; pause when playing; else nothing.
void playOrPause(MediaControl& media);

struct PlaybackKeyContext {
    const AppState& state;
    const AppPaths& paths;
    const HostConventions& conventions;
    Launcher& launcher;
    MediaControl& media;
    WindowRequests& windows;
    PlayerRequests& player;
};

void performPlaybackKey(PlaybackKey key, KeyHost host, const PlaybackKeyContext& context);

}  // namespace mirato
