#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// "Add <name>" saves the current playlist under a name, "Del <name>" deletes the saved
// one; both answer with a message.
class PlaylistFileRule : public LineRule {
public:
    bool tryRun(const QString& line, LineContext& context) override;
};

}  // namespace mirato
