#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/Language.h"
#include "platform/HostConventions.h"

namespace mirato {

// One sub-folder of a plug-in folder. Every sub-folder takes a place in the list, plug-in or
// not, so menu entries keep the folder's index.
struct PluginFolder {
    QString name;
    QString path;
    bool valid = false;  // holds setting.ini and a program named like the folder
};

// The plug-ins: programs the user drops into Plugin/<name>/ beside a setting.ini whose section
// "title" gives the menu caption per language (keys chinese, chinesetrad, english).
class PluginCatalog {
public:
    PluginCatalog(QStringList pluginFolders, const HostConventions& conventions);

    // Lists the sub-folders again (the menus are built from one scan per run).
    void scan();
    const QList<PluginFolder>& folders() const { return folders_; }

    // The caption of a plug-in in a language; "" when the description lacks it.
    QString caption(const PluginFolder& folder, Language language) const;
    // The description key of a language.
    static QString captionKey(Language language);

    // The program in the plug-in folder called name ("" when there is none), description or
    // not: a typed name starts it, and the lyrics search is found so. Looked up on disk each
    // time, so a plug-in dropped in after start can be typed at once.
    QString programNamed(const QString& name) const;
    QString programIn(const PluginFolder& folder) const;

private:
    // What makes a folder a plug-in in the menus: a setting.ini (their caption) and a program
    // named like the folder.
    bool isPlugin(const PluginFolder& folder) const;
    QStringList pluginFolders_;
    const HostConventions& conventions_;
    QList<PluginFolder> folders_;
};

}  // namespace mirato
