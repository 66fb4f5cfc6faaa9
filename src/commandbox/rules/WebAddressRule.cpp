#include "commandbox/rules/WebAddressRule.h"

#include "commandbox/rules/LineContext.h"

namespace mirato {

std::optional<LineAction> WebAddressRule::decide(const TypedLine& line,
                                                 const LineContext& c) const {
    const QString address = line.text;
    return LineAction{c.row(MessageCode::RowOpenInBrowser, address), QStringLiteral("web-browser"),
                      [address](LineContext& c) { c.web.open(address); }};
}

}  // namespace mirato
