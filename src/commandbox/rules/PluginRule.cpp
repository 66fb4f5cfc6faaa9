#include "commandbox/rules/PluginRule.h"

#include "commandbox/rules/LineContext.h"

namespace mirato {

std::optional<LineAction> PluginRule::decide(const TypedLine& line, const LineContext& c) const {
    const QString program = c.plugins.programNamed(line.text);
    if (program.isEmpty())
        return std::nullopt;
    return LineAction{c.row(MessageCode::RowStartPlugin, line.text),
                      QStringLiteral("application-x-addon"), [program](LineContext& c) {
                          c.start(Command{program, {}});
                      }};
}

QStringList PluginRule::names(const LineContext& c) const {
    QStringList names;
    for (const PluginFolder& folder : c.plugins.folders()) {
        if (!c.plugins.programIn(folder).isEmpty())
            names.append(folder.name);
    }
    return names;
}

}  // namespace mirato
