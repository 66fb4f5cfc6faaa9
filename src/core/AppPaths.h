#pragma once

#include <QString>
#include <QStringList>

#include "core/Language.h"

namespace mirato {

// Where the program's folders are.
//
// Portable layout (a skin/ folder sits beside the executable, as in the build tree): everything
// lives in the executable's folder. Installed layout (executable in <prefix>/bin): read-only
// resources (skin/, RunIco/, help) in <prefix>/share/mirato, the user's data (lnk/, playlist/,
// Plugin/) in $XDG_DATA_HOME/mirato, and shipped plug-ins also in <prefix>/lib/mirato/Plugin.
class AppPaths {
public:
    // Decides the layout from the folder of the running executable.
    static AppPaths forProgramFolder(const QString& programFolder);
    // The layout of the running program (QCoreApplication must exist).
    static AppPaths current();

    bool isPortable() const { return portable_; }

    // The executable's folder, without a trailing separator; published to plug-ins.
    const QString& programFolder() const { return programFolder_; }
    const QString& resourceFolder() const { return resourceFolder_; }
    const QString& dataFolder() const { return dataFolder_; }

    QString skinFolder() const { return resourceFolder_ + QStringLiteral("/skin"); }
    QString runIconFolder() const { return resourceFolder_ + QStringLiteral("/RunIco"); }
    QString shortcutFolder() const { return dataFolder_ + QStringLiteral("/lnk"); }
    QString playlistFolder() const { return dataFolder_ + QStringLiteral("/playlist"); }
    // The user's plug-in folder first, then the one shipped with an installation.
    QStringList pluginFolders() const;

    // skin/other/<name>: theme-independent files such as the tray icon and the help texts.
    QString otherSkinFile(const QString& name) const;
    // The help text of a language.
    QString helpFile(Language language) const;
    // playlist/playlist.m3u: the list the player is playing.
    QString currentPlaylistFile() const;

private:
    bool portable_ = true;
    QString programFolder_;
    QString resourceFolder_;
    QString dataFolder_;
    QString installedPluginFolder_;
};

}  // namespace mirato
