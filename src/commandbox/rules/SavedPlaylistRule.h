#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// The name of a saved playlist plays it (.wpl before .m3u).
class SavedPlaylistRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
    QStringList names(const LineContext& context) const override;
};

}  // namespace mirato
