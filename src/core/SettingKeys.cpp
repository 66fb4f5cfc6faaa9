#include "core/SettingKeys.h"

#include <cmath>

#include "core/Numbers.h"
#include "core/TextRules.h"

namespace mirato::SettingKeys {

std::optional<int> volumeFromText(const QString& text) {
    if (!TextRules::isNumeric(text))
        return std::nullopt;
    return boundedInt(std::round(TextRules::numericValue(text)), 0, 100);
}

}  // namespace mirato::SettingKeys
