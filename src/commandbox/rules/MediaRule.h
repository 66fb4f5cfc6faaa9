#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// A line ending in a media extension plays at once.
class MediaRule : public LineRule {
public:
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;

    // Plays a typed media location: shows the player, forgets the old lyrics and plays the text
    // as it is when it is a local path or starts like an http or mms address, else with
    // "http://" in front.
    static void play(const QString& text, LineContext& context);
};

}  // namespace mirato
