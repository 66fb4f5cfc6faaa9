#include "commandbox/rules/LocalPathRule.h"

#include "commandbox/rules/LineContext.h"

namespace mirato {

bool LocalPathRule::tryRun(const QString& line, LineContext& c) {
    if (!c.conventions.isLocalPath(line))
        return false;
    QString path = line;
    if (c.conventions.isWindows())
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    c.openWithDesktop(c.conventions.expandLocalPath(path));
    return true;
}

}  // namespace mirato
