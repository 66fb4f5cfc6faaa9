#include "commandbox/rules/OpacityRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/SettingKeys.h"
#include "core/TextRules.h"

namespace mirato {

std::optional<LineAction> OpacityRule::decide(const TypedLine& line, const LineContext& c) const {
    if (!LineContext::isOneOf(line.text.left(2), {"TM", "tm", "Tm"}))
        return std::nullopt;
    const QString value = line.text.mid(2);
    if (!TextRules::isNumeric(value))
        return std::nullopt;
    const double number = TextRules::numericValue(value);
    if (!(number > 20 && number < 256))
        return std::nullopt;
    const int alpha = SettingKeys::kOpacity.fromText(value);
    return LineAction{c.row(MessageCode::RowOpacity, value.trimmed()),
                      QStringLiteral("preferences-desktop"), [alpha](LineContext& c) {
                          c.state.setOpacity(alpha);
                          c.windows.applyOpacity();
                      }};
}

}  // namespace mirato
