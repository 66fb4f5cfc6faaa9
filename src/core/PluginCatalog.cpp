#include "core/PluginCatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include "core/Log.h"
#include "core/ProfileFile.h"

namespace mirato {

namespace {

bool isProgram(const QFileInfo& info, const HostConventions& conventions) {
    return info.isFile() && (conventions.isWindows() || info.isExecutable());
}

// A name typed or listed must stay inside the plug-in folder.
bool isPlainName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

}  // namespace

PluginCatalog::PluginCatalog(QStringList pluginFolders, const HostConventions& conventions)
    : pluginFolders_(std::move(pluginFolders)), conventions_(conventions) {}

void PluginCatalog::scan() {
    folders_.clear();
    QSet<QString> seen;
    for (const QString& root : pluginFolders_) {
        const QDir dir(root);
        const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString& name : names) {
            if (seen.contains(name))
                continue;  // the user's own copy wins over the shipped one
            seen.insert(name);
            PluginFolder folder{name, dir.filePath(name), false};
            folder.valid = isPlugin(folder);
            if (!folder.valid)
                qCDebug(lcCore) << "not a plug-in:" << folder.path;
            folders_.append(folder);
        }
    }
}

QString PluginCatalog::captionKey(Language language) {
    switch (language) {
        case Language::TraditionalChinese:
            return QStringLiteral("chinesetrad");
        case Language::English:
            return QStringLiteral("english");
        case Language::SimplifiedChinese:
            break;
    }
    return QStringLiteral("chinese");
}

QString PluginCatalog::caption(const PluginFolder& folder, Language language) const {
    return ProfileFile(folder.path + QStringLiteral("/setting.ini"))
        .read(QStringLiteral("title"), captionKey(language));
}

QString PluginCatalog::programIn(const PluginFolder& folder) const {
    const QFileInfo program(folder.path + QLatin1Char('/') + folder.name +
                            conventions_.executableSuffix());
    return isProgram(program, conventions_) ? program.absoluteFilePath() : QString();
}

bool PluginCatalog::isPlugin(const PluginFolder& folder) const {
    return QFileInfo(folder.path + QStringLiteral("/setting.ini")).isFile() &&
           !programIn(folder).isEmpty();
}

QString PluginCatalog::programNamed(const QString& name) const {
    if (!isPlainName(name))
        return {};
    for (const QString& root : pluginFolders_) {
        const QString program = programIn(PluginFolder{name, root + QLatin1Char('/') + name});
        if (!program.isEmpty())
            return program;
    }
    return {};
}

}  // namespace mirato
