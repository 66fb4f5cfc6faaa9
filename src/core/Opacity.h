#pragma once

#include <QString>

namespace mirato {

// The windows' common opacity: an alpha 0..255, stored under "TM" as a number.
namespace Opacity {

constexpr int kDefaultAlpha = 180;
// The faintest a window may get, so a hand-edited value never makes it vanish.
constexpr int kMinimumAlpha = 21;

// The alpha 0..255 a window takes for the text: a number is rounded, anything else (or a value
// outside 0..255) gives the default; the result never drops below kMinimumAlpha.
int alphaFromText(const QString& text);

}  // namespace Opacity

}  // namespace mirato
