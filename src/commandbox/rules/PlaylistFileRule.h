#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// "Add <name>" saves the current playlist under a name, "Del <name>" deletes the saved
// one; both answer with a message.
class PlaylistFileRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
};

}  // namespace mirato
