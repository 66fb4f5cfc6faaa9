#include "commandbox/rules/FolderWordRule.h"

#include <QDir>

#include "commandbox/rules/LineContext.h"

namespace mirato {

std::optional<LineAction> FolderWordRule::decide(const TypedLine& line,
                                                 const LineContext& c) const {
    QString folder;
    if (LineContext::isOneOf(line.text, {"Lnk", "lnk", "LNK"}))
        folder = c.paths.shortcutFolder();
    else if (LineContext::isOneOf(line.text, {"PlayList", "Playlist", "playlist", "PLAYLIST"}))
        folder = c.paths.playlistFolder();
    else
        return std::nullopt;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return LineAction{c.row(MessageCode::RowOpen, folder), QStringLiteral("folder"),
                      [folder](LineContext& c) {
                          QDir().mkpath(folder);
                          c.openWithDesktop(folder);
                      }};
}

}  // namespace mirato
