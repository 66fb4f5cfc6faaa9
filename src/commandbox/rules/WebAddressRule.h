#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// Whatever is left is a web address.
class WebAddressRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
};

}  // namespace mirato
