#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// A line whose first two and last two characters are numbers is looked up as an IP address.
class IpAddressRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
};

}  // namespace mirato
