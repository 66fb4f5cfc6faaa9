#include "commandbox/rules/LocalPathRule.h"

#include "commandbox/rules/LineContext.h"

namespace mirato {

std::optional<LineAction> LocalPathRule::decide(const TypedLine& line, const LineContext& c) const {
    if (!c.conventions.isLocalPath(line.text))
        return std::nullopt;
    QString path = line.text;
    if (c.conventions.isWindows())
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString target = c.conventions.expandLocalPath(path);
    return LineAction{c.row(MessageCode::RowOpen, target), QStringLiteral("folder"),
                      [target](LineContext& c) { c.openWithDesktop(target); }};
}

}  // namespace mirato
