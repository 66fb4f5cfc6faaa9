#include "core/Opacity.h"

#include <algorithm>
#include <cmath>

#include "core/TextRules.h"

namespace mirato::Opacity {

std::optional<int> fromText(const QString& text) {
    if (!TextRules::isNumeric(text))
        return std::nullopt;
    const double rounded = std::round(TextRules::numericValue(text));
    if (!(rounded >= 0 && rounded <= 255))
        return std::nullopt;
    return std::max(kMinimumAlpha, static_cast<int>(rounded));
}

}  // namespace mirato::Opacity
