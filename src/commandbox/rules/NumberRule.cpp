#include "commandbox/rules/NumberRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/ServiceAddresses.h"
#include "core/TextRules.h"

namespace mirato {

bool NumberRule::tryRun(const QString& line, LineContext& c) {
    if (!TextRules::isNumeric(line))
        return false;
    const qsizetype length = line.size();
    if (length > 4 && length < 11)
        c.web.open(ServiceAddresses::qqSpace(line));
    else if (length == 11)
        c.web.open(ServiceAddresses::mobileLookup(line));
    return true;
}

}  // namespace mirato
