#include "commandbox/rules/PluginRule.h"

#include "commandbox/rules/LineContext.h"

namespace mirato {

bool PluginRule::tryRun(const QString& line, LineContext& c) {
    const QString program = c.plugins.programNamed(line);
    if (program.isEmpty())
        return false;
    c.start(Command{program, {}});
    return true;
}

}  // namespace mirato
