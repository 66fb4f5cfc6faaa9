#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// "Lnk" and "PlayList" open the program's shortcut and playlist folders, creating them first.
class FolderWordRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
};

}  // namespace mirato
