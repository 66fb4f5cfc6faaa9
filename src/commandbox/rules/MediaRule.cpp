#include "commandbox/rules/MediaRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/TextRules.h"

namespace mirato {

bool MediaRule::tryRun(const QString& line, LineContext& c) {
    // The probe, not the line: Music mode makes any line end in ".mp3".
    if (!TextRules::isMediaExtension(c.state.probes().last4))
        return false;
    play(line, c);
    return true;
}

void MediaRule::play(const QString& text, LineContext& c) {
    c.windows.showPlayer();
    c.state.setLyricLine({});
    c.windows.clearLyrics();
    const bool asTyped = c.conventions.isLocalPath(text) ||
                         LineContext::isOneOf(text.left(2), {"MM", "Mm", "mm", "HT", "Ht", "ht"});
    c.media.setUrl(asTyped ? c.conventions.expandLocalPath(text)
                           : QStringLiteral("http://") + text);
}

}  // namespace mirato
