#include "commandbox/rules/FolderWordRule.h"

#include <QDir>

#include "commandbox/rules/LineContext.h"

namespace mirato {

bool FolderWordRule::tryRun(const QString& line, LineContext& c) {
    QString folder;
    if (LineContext::isOneOf(line, {"Lnk", "lnk", "LNK"}))
        folder = c.paths.shortcutFolder();
    else if (LineContext::isOneOf(line, {"PlayList", "Playlist", "playlist", "PLAYLIST"}))
        folder = c.paths.playlistFolder();
    else
        return false;
    QDir().mkpath(folder);
    c.openWithDesktop(folder.replace(QLatin1Char('\\'), QLatin1Char('/')));
    return true;
}

}  // namespace mirato
