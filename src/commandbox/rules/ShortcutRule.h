#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// The name of a shortcut in the shortcut folder opens it: a desktop entry runs its own Exec
// line, anything else goes to the desktop's handler.
class ShortcutRule : public LineRule {
public:
    bool tryRun(const QString& line, LineContext& context) override;

private:
    static bool openWindowsShortcut(const QString& name, LineContext& context);
};

}  // namespace mirato
