#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// A number is looked up: 5 to 10 characters as a QQ space, 11 as a mobile number. Any other
// number is used up without an effect.
class NumberRule : public LineRule {
public:
    bool tryRun(const QString& line, LineContext& context) override;
};

}  // namespace mirato
