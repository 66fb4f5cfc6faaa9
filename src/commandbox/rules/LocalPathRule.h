#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// A local path goes to the desktop's handler.
class LocalPathRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
};

}  // namespace mirato
