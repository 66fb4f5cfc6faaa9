#include "commandbox/rules/IpAddressRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/ServiceAddresses.h"
#include "core/TextRules.h"

namespace mirato {

std::optional<LineAction> IpAddressRule::decide(const TypedLine& line, const LineContext& c) const {
    if (!TextRules::isNumeric(line.text.left(2)) || !TextRules::isNumeric(line.text.right(2)))
        return std::nullopt;
    const QString address = ServiceAddresses::ipLookup(line.text);
    return LineAction{c.row(MessageCode::RowLookUpAddress, line.text),
                      QStringLiteral("network-workgroup"),
                      [address](LineContext& c) { c.web.open(address); }};
}

}  // namespace mirato
