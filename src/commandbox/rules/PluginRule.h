#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// The name of a plug-in starts its program.
class PluginRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
    QStringList names(const LineContext& context) const override;
};

}  // namespace mirato
