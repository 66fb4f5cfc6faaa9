#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// Whatever is left is a web address.
class WebAddressRule : public LineRule {
public:
    bool tryRun(const QString& line, LineContext& context) override;
};

}  // namespace mirato
