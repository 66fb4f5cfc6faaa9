#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// A line whose first two and last two characters are numbers is looked up as an IP address.
class IpAddressRule : public LineRule {
public:
    bool tryRun(const QString& line, LineContext& context) override;
};

}  // namespace mirato
