#include "platform/InstalledApplications.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSet>
#include <algorithm>

#include "platform/DesktopEntry.h"

Q_LOGGING_CATEGORY(lcApplications, "mirato.platform.applications", QtWarningMsg)

namespace mirato {

namespace {

bool isTrue(const QString& value) {
    return value == QLatin1String("true");
}

QStringList listValue(const DesktopEntry& entry, const char* key) {
    return entry.value(QLatin1String(key)).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

bool intersects(const QStringList& a, const QStringList& b) {
    return std::any_of(a.begin(), a.end(), [&b](const QString& x) { return b.contains(x); });
}

bool programExists(const QString& program, const QStringList& path) {
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable();
    }
    return std::any_of(path.begin(), path.end(), [&program](const QString& folder) {
        const QFileInfo info(folder + QLatin1Char('/') + program);
        return info.isFile() && info.isExecutable();
    });
}

bool isOffered(const DesktopEntry& entry, const ApplicationFilter& filter) {
    if (entry.value(QStringLiteral("Type")) != QLatin1String("Application"))
        return false;
    if (isTrue(entry.value(QStringLiteral("NoDisplay"))) ||
        isTrue(entry.value(QStringLiteral("Hidden"))))
        return false;
    const QStringList onlyShowIn = listValue(entry, "OnlyShowIn");
    if (!onlyShowIn.isEmpty() && !intersects(onlyShowIn, filter.desktops))
        return false;
    if (intersects(listValue(entry, "NotShowIn"), filter.desktops))
        return false;
    const QString tryExec = entry.value(QStringLiteral("TryExec"));
    return tryExec.isEmpty() || programExists(tryExec, filter.executablePath);
}

std::optional<InstalledApplication> readApplication(const QString& id, const QString& path,
                                                    const ApplicationFilter& filter) {
    const auto entry = DesktopEntry::load(path);
    if (!entry || !isOffered(*entry, filter))
        return std::nullopt;
    InstalledApplication app;
    app.id = id;
    app.command = entry->execArguments();
    if (app.command.isEmpty())
        return std::nullopt;
    app.terminal = isTrue(entry->value(QStringLiteral("Terminal")));
    app.icon = entry->value(QStringLiteral("Icon"));
    app.workingFolder = entry->value(QStringLiteral("Path"));
    app.windowClass = entry->value(QStringLiteral("StartupWMClass"));
    app.busActivated = isTrue(entry->value(QStringLiteral("DBusActivatable")));
    for (const QString& language : filter.languages) {
        const QString localised = entry->value(QStringLiteral("Name[%1]").arg(language));
        if (!localised.isEmpty())
            app.names.append(localised);
    }
    const QString english = entry->value(QStringLiteral("Name"));
    if (!english.isEmpty())
        app.names.append(english);
    app.names.removeDuplicates();
    app.program = QFileInfo(app.command.first()).fileName();
    return app;
}

}  // namespace

QList<InstalledApplication> scanApplications(const QStringList& dataFolders,
                                             const ApplicationFilter& filter) {
    QList<InstalledApplication> apps;
    QSet<QString> seen;
    for (const QString& folder : dataFolders) {
        const QString root = folder + QStringLiteral("/applications");
        // Matched by hand: a name filter would bring in the regular-expression engine and its
        // per-thread memory for one suffix.
        QDirIterator files(root, QDir::Files,
                           QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (files.hasNext()) {
            const QString path = files.next();
            if (!path.endsWith(QLatin1String(".desktop")))
                continue;
            // Subfolders are part of the id: applications/kde/okular.desktop is kde-okular.
            QString id = path.mid(root.size() + 1);
            id.chop(int(sizeof(".desktop")) - 1);
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (seen.contains(id))
                continue;
            // A hidden or unusable entry still hides the same id in the folders after it.
            seen.insert(id);
            if (auto app = readApplication(id, path, filter))
                apps.append(std::move(*app));
            else
                qCDebug(lcApplications) << "not offered:" << path;
        }
    }
    std::sort(
        apps.begin(), apps.end(),
        [](const InstalledApplication& a, const InstalledApplication& b) { return a.id < b.id; });
    return apps;
}

QStringList nameLanguages(const QString& localeName, const QStringList& extra) {
    QStringList languages;
    const QString bare = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (!bare.isEmpty() && bare != QLatin1String("C") && bare != QLatin1String("POSIX")) {
        languages.append(bare);
        if (bare.contains(QLatin1Char('_')))
            languages.append(bare.section(QLatin1Char('_'), 0, 0));
    }
    for (const QString& language : extra) {
        if (!languages.contains(language))
            languages.append(language);
    }
    return languages;
}

}  // namespace mirato
