#include "commandbox/rules/SavedPlaylistRule.h"

#include "commandbox/rules/LineContext.h"

namespace mirato {

std::optional<LineAction> SavedPlaylistRule::decide(const TypedLine& line,
                                                    const LineContext& c) const {
    if (c.isPathLike(line.text) || !LineContext::isPlainName(line.text))
        return std::nullopt;
    for (const char* extension : {".wpl", ".m3u"}) {
        const QString list =
            c.paths.playlistFolder() + QLatin1Char('/') + line.text + QLatin1String(extension);
        if (LineContext::isVisibleFile(list))
            return LineAction{c.row(MessageCode::RowPlayList, line.text),
                              QStringLiteral("audio-x-mpegurl"), [list](LineContext& c) {
                                  c.windows.showPlayer();
                                  c.media.setUrl(list);
                              }};
    }
    return std::nullopt;
}

QStringList SavedPlaylistRule::names(const LineContext& c) const {
    return LineContext::baseNames(c.paths.playlistFolder(),
                                  {QStringLiteral("*.m3u"), QStringLiteral("*.wpl")});
}

}  // namespace mirato
