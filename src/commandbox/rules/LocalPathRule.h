#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// A local path goes to the desktop's handler.
class LocalPathRule : public LineRule {
public:
    bool tryRun(const QString& line, LineContext& context) override;
};

}  // namespace mirato
