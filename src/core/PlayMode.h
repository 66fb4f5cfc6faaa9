#pragma once

#include "core/SettingKeys.h"

namespace mirato {

// The player's two switches: repeat the list, or play it in random order.
enum class PlayMode { Repeat, Shuffle };

namespace PlayModes {
// The mode's setting, whose key is also the menu item's name: "RPlay", "RndPlay".
inline const Setting<bool>& setting(PlayMode mode) {
    return mode == PlayMode::Repeat ? SettingKeys::kRepeat : SettingKeys::kShuffle;
}
}  // namespace PlayModes

}  // namespace mirato
