#include "commandbox/rules/NumberRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/ServiceAddresses.h"
#include "core/TextRules.h"

namespace mirato {

std::optional<LineAction> NumberRule::decide(const TypedLine& line, const LineContext& c) const {
    if (!TextRules::isNumeric(line.text))
        return std::nullopt;
    const qsizetype length = line.text.size();
    QString address;
    if (length > 4 && length < 11)
        address = ServiceAddresses::qqSpace(line.text);
    else if (length == 11)
        address = ServiceAddresses::mobileLookup(line.text);
    if (address.isEmpty())
        return LineAction{{}, {}, [](LineContext&) {}};  // used up, to no effect
    return LineAction{c.row(MessageCode::RowLookUpNumber, line.text),
                      QStringLiteral("system-search"),
                      [address](LineContext& c) { c.web.open(address); }};
}

}  // namespace mirato
