#pragma once

#include <QString>
#include <optional>

#include "core/Language.h"
#include "core/MessageCode.h"

namespace mirato {

class AppState;

// What the next Enter does with the line, once: play it, start it, run it in a terminal, or
// send it to one of the two web searches.
enum class InputMode { Music, Run, RunCmd, Baidu, Google };

// The mode as the box shows it: the mode and the language its text was fetched in. A text stays
// as it was fetched when the language changes; the mode then counts only where its text in the
// new language is the same.
struct ShownInputMode {
    InputMode mode;
    Language language;
    bool operator==(const ShownInputMode&) const = default;
};

namespace InputModes {

// The text shown beside the box, "- Google Search".
MessageCode text(InputMode mode);
// Turns the mode on, replacing any other, or off when it is on.
void toggle(AppState& state, InputMode mode);
bool isActive(const AppState& state, InputMode mode);
// The mode that is on, if any.
std::optional<InputMode> active(const AppState& state);
// What the box shows; empty for no mode.
QString shownText(const AppState& state);

}  // namespace InputModes

}  // namespace mirato
