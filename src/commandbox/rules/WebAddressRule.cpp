#include "commandbox/rules/WebAddressRule.h"

#include "commandbox/rules/LineContext.h"

namespace mirato {

bool WebAddressRule::tryRun(const QString& line, LineContext& c) {
    c.web.open(line);
    return true;
}

}  // namespace mirato
