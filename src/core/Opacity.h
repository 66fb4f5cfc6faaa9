#pragma once

#include <QString>
#include <optional>

namespace mirato {

// The windows' common opacity: an alpha 0..255, stored under "TM" as a number.
namespace Opacity {

constexpr int kDefaultAlpha = 180;
// The faintest a window may get, so a hand-edited value never makes it vanish.
constexpr int kMinimumAlpha = 21;

// The alpha 0..255 a window takes for the text: a number is rounded and never drops below
// kMinimumAlpha; anything else, or a value outside 0..255, is none.
std::optional<int> fromText(const QString& text);

}  // namespace Opacity

}  // namespace mirato
