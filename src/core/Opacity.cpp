#include "core/Opacity.h"

#include <algorithm>
#include <cmath>

#include "core/TextRules.h"

namespace mirato::Opacity {

int alphaFromText(const QString& text) {
    if (!TextRules::isNumeric(text))
        return kDefaultAlpha;
    const double rounded = std::round(TextRules::numericValue(text));
    if (!(rounded >= 0 && rounded <= 255))
        return kDefaultAlpha;
    return std::max(kMinimumAlpha, static_cast<int>(rounded));
}

}  // namespace mirato::Opacity
