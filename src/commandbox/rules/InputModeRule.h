#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// The input mode chosen for this line: a web search, Run, Run CMD (a terminal), or Music, which
// reads the line as a media name and lets the later rules play it. The mode ends with the line.
class InputModeRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
};

}  // namespace mirato
