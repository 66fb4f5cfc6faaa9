#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// "TM" and a number from 21 to 255 sets the windows' opacity; anything else goes on.
class OpacityRule : public LineRule {
public:
    bool tryRun(const QString& line, LineContext& context) override;
};

}  // namespace mirato
