#include "commandbox/rules/SavedPlaylistRule.h"

#include "commandbox/rules/LineContext.h"

namespace mirato {

bool SavedPlaylistRule::tryRun(const QString& line, LineContext& c) {
    if (c.isPathLike(line) || !LineContext::isPlainName(line))
        return false;
    for (const char* extension : {".wpl", ".m3u"}) {
        const QString list =
            c.paths.playlistFolder() + QLatin1Char('/') + line + QLatin1String(extension);
        if (LineContext::isVisibleFile(list)) {
            c.windows.showPlayer();
            c.media.setUrl(list);
            return true;
        }
    }
    return false;
}

}  // namespace mirato
