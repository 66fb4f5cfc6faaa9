#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// A number is looked up: 5 to 10 characters as a QQ space, 11 as a mobile number. Any other
// number is used up without an effect.
class NumberRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
};

}  // namespace mirato
