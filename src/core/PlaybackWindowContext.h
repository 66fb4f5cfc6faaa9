#pragma once

#include <QString>

#include "core/Actions.h"

namespace mirato {

class Settings;

// What the player and the desktop lyrics window act through: the shared state, the media, the
// other windows, the player's commands, the settings their positions and modes live in, and
// the folder of the themes they are drawn from.
struct PlaybackWindowContext {
    AppState& state;
    MediaControl& media;
    WindowRequests& windows;
    PlayerRequests& commands;
    Settings& settings;
    QString skinFolder;
};

// What their keys and menus act on.
inline ActionTargets actionTargets(const PlaybackWindowContext& c) {
    return {c.state, c.media, c.windows, &c.commands, nullptr, nullptr};
}

}  // namespace mirato
