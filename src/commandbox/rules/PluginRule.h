#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// The name of a plug-in starts its program.
class PluginRule : public LineRule {
public:
    bool tryRun(const QString& line, LineContext& context) override;
};

}  // namespace mirato
