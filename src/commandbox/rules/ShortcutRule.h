#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// The name of a shortcut in the shortcut folder opens it: a desktop entry runs its own Exec
// line, anything else goes to the desktop's handler.
class ShortcutRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;

    QStringList names(const LineContext& context) const override;

private:
    using Deed = std::function<void(LineContext&)>;
    static std::optional<Deed> shortcut(const QString& name, const LineContext& context);
    static std::optional<Deed> windowsShortcut(const QString& name, const LineContext& context);
};

}  // namespace mirato
