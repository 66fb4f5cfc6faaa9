#include "commandbox/rules/ApplicationRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/ApplicationCatalog.h"
#include "platform/RunningApplications.h"

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
    const auto start = [command](LineContext& c) { c.start(command); };
    if (running_ && running_->isRunning(*app)) {
        RunningApplications* running = running_;
        return LineAction{c.row(MessageCode::RowSwitchTo, app->shownName()),
                          app->icon,
                          [running, app = *app, start](LineContext& c) {
                              // Gone since the row was shown: started as it would have been.
                              if (!running->switchTo(app))
                                  start(c);
                          },
                          {},
                          start};
    }
    return LineAction{c.row(MessageCode::RowStart, app->shownName()), app->icon, start};
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
