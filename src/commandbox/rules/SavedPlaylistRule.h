#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// The name of a saved playlist plays it (.wpl before .m3u).
class SavedPlaylistRule : public LineRule {
public:
    bool tryRun(const QString& line, LineContext& context) override;
};

}  // namespace mirato
