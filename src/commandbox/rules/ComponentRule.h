#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// An .ocx or .dll is registered where the host has a component registrar.
class ComponentRule : public LineRule {
public:
    bool tryRun(const QString& line, LineContext& context) override;
};

}  // namespace mirato
