#include "core/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace mirato {

namespace {

QString withoutTrailingSeparator(QString folder) {
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QString userDataFolder() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/mirato");
}

}  // namespace

AppPaths AppPaths::forProgramFolder(const QString& programFolder) {
    AppPaths paths;
    paths.programFolder_ = withoutTrailingSeparator(QDir::cleanPath(programFolder));
    paths.portable_ = QFileInfo(paths.programFolder_ + QStringLiteral("/skin")).isDir();
    if (paths.portable_) {
        paths.resourceFolder_ = paths.programFolder_;
        paths.dataFolder_ = paths.programFolder_;
    } else {
        const QString prefix = QDir::cleanPath(paths.programFolder_ + QStringLiteral("/.."));
        paths.resourceFolder_ = prefix + QStringLiteral("/share/mirato");
        paths.dataFolder_ = userDataFolder();
        paths.installedPluginFolder_ = prefix + QStringLiteral("/lib/mirato/Plugin");
    }
    return paths;
}

AppPaths AppPaths::current() {
    return forProgramFolder(QCoreApplication::applicationDirPath());
}

QStringList AppPaths::pluginFolders() const {
    QStringList folders{dataFolder_ + QStringLiteral("/Plugin")};
    if (!installedPluginFolder_.isEmpty())
        folders.append(installedPluginFolder_);
    return folders;
}

QString AppPaths::otherSkinFile(const QString& name) const {
    return skinFolder() + QStringLiteral("/other/") + name;
}

QString AppPaths::helpFile(Language language) const {
    switch (language) {
        case Language::TraditionalChinese:
            return otherSkinFile(QStringLiteral("Help_CHT.txt"));
        case Language::English:
            return otherSkinFile(QStringLiteral("Help_ENG.txt"));
        case Language::SimplifiedChinese:
            break;
    }
    return otherSkinFile(QStringLiteral("Help_CHS.txt"));
}

QString AppPaths::currentPlaylistFile() const {
    return playlistFolder() + QStringLiteral("/playlist.m3u");
}

}  // namespace mirato
