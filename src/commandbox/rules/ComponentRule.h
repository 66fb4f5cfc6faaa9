#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// An .ocx or .dll is registered where the host has a component registrar.
class ComponentRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
};

}  // namespace mirato
