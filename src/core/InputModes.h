#pragma once

#include <optional>

#include "core/AppState.h"
#include "core/MessageCode.h"

namespace mirato {

// The input mode is the shown mode text itself: a mode is on when the shown text equals that
// mode's text in the current language, so a mode set before a language switch no longer counts.
namespace InputModes {

// Turns the mode (ModeMusic .. ModeGoogle) on, replacing any other, or off when it is on.
void toggle(AppState& state, MessageCode mode);
bool isActive(const AppState& state, MessageCode mode);
// The mode that is on, if any.
std::optional<MessageCode> active(const AppState& state);

}  // namespace InputModes

}  // namespace mirato
