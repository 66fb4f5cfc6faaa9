#include "commandbox/rules/IpAddressRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/ServiceAddresses.h"
#include "core/TextRules.h"

namespace mirato {

bool IpAddressRule::tryRun(const QString& line, LineContext& c) {
    if (!TextRules::isNumeric(line.left(2)) || !TextRules::isNumeric(line.right(2)))
        return false;
    c.web.open(ServiceAddresses::ipLookup(line));
    return true;
}

}  // namespace mirato
