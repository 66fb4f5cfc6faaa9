#pragma once

#include <optional>

namespace mirato {

// How long the user has not touched keyboard or mouse, from the X11 screen-saver extension.
namespace IdleTime {
// Milliseconds; nullopt where it cannot be asked (no X11 display, no extension).
std::optional<unsigned long> milliseconds();
}  // namespace IdleTime

}  // namespace mirato
