#include "commandbox/rules/MediaRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/TextRules.h"

namespace mirato {

std::optional<LineAction> MediaRule::decide(const TypedLine& line, const LineContext& c) const {
    // The probe, not the line: in the Music mode every line reads as ".mp3".
    if (!TextRules::isMediaExtension(line.probes.last4))
        return std::nullopt;
    const QString text = line.text;
    return LineAction{c.row(MessageCode::RowPlay, text), QStringLiteral("audio-x-generic"),
                      [text](LineContext& c) { play(text, c); }};
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
