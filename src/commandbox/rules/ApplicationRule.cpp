#include "commandbox/rules/ApplicationRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/ApplicationCatalog.h"

namespace mirato {

std::optional<LineAction> ApplicationRule::decide(const TypedLine& line,
                                                  const LineContext& c) const {
    const InstalledApplication* app = catalog_.find(line.text.trimmed());
    if (!app)
        return std::nullopt;
    QStringList arguments = app->command;
    Command command;
    if (app->terminal) {
        arguments.prepend(QStringLiteral("-e"));
        command = Command{HostConventions::defaultTerminal(), arguments, app->workingFolder};
    } else {
        const QString program = arguments.takeFirst();
        command = Command{program, arguments, app->workingFolder};
    }
    return LineAction{c.row(MessageCode::RowStart, app->shownName()), app->icon,
                      [command](LineContext& c) { c.start(command); }};
}

void ApplicationRule::settle(const TypedLine&) const {
    // An application installed a moment ago is read before Enter looks the line up.
    catalog_.settle();
}

QStringList ApplicationRule::names(const LineContext&) const {
    QStringList names;
    for (const InstalledApplication& app : catalog_.applications()) {
        names.append(app.shownName());
        names.append(app.program);
    }
    return names;
}

}  // namespace mirato
