#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// "TM" and a number from 21 to 255 sets the windows' opacity; anything else goes on.
class OpacityRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
};

}  // namespace mirato
