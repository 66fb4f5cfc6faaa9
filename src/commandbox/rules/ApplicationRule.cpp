#include "commandbox/rules/ApplicationRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/ApplicationCatalog.h"

namespace mirato {

bool ApplicationRule::tryRun(const QString& line, LineContext& c) {
    catalog_.settle();
    const InstalledApplication* app = catalog_.find(line.trimmed());
    if (!app)
        return false;
    QStringList arguments = app->command;
    if (app->terminal) {
        arguments.prepend(QStringLiteral("-e"));
        c.start(Command{HostConventions::defaultTerminal(), arguments, app->workingFolder});
    } else {
        const QString program = arguments.takeFirst();
        c.start(Command{program, arguments, app->workingFolder});
    }
    return true;
}

}  // namespace mirato
