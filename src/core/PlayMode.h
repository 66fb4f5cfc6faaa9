#pragma once

#include <QString>

namespace mirato {

// The player's two switches: repeat the list, or play it in random order.
enum class PlayMode { Repeat, Shuffle };

namespace PlayModes {
// The settings key, which is also the menu item's name: "RPlay", "RndPlay".
inline QString key(PlayMode mode) {
    return mode == PlayMode::Repeat ? QStringLiteral("RPlay") : QStringLiteral("RndPlay");
}
// The engine's name for it: "loop", "shuffle".
inline QString engineMode(PlayMode mode) {
    return mode == PlayMode::Repeat ? QStringLiteral("loop") : QStringLiteral("shuffle");
}
}  // namespace PlayModes

}  // namespace mirato
