#include "commandbox/rules/OpacityRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/TextRules.h"

namespace mirato {

bool OpacityRule::tryRun(const QString& line, LineContext& c) {
    if (!LineContext::isOneOf(line.left(2), {"TM", "tm", "Tm"}))
        return false;
    const QString value = line.mid(2);
    if (!TextRules::isNumeric(value))
        return false;
    const double number = TextRules::numericValue(value);
    if (!(number > 20 && number < 256))
        return false;
    // The value is kept as typed (" 255", "100.4"); the windows round it.
    c.state.setOpacity(value);
    c.windows.applyOpacity();
    return true;
}

}  // namespace mirato
