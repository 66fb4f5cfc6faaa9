#include "platform/dbus/SearchSources.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

namespace mirato {

Q_LOGGING_CATEGORY(lcSources, "mirato.platform.searchsources", QtWarningMsg)

namespace {

// The keys of one group of a key file; later repeats of a key are ignored, as the desktop's
// own readers do.
QHash<QString, QString> readGroup(const QString& path, const QString& group) {
    QHash<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return values;
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    bool inGroup = false;
    // Key files are small; a file that is not one is read no further than this.
    for (const QByteArray& raw : file.read(64 * 1024).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == header;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || equals <= 0 || line.startsWith(QLatin1Char('#')))
            continue;
        const QString key = line.left(equals).trimmed();
        if (!values.contains(key))
            values.insert(key, line.mid(equals + 1).trimmed());
    }
    return values;
}

// The files of each folder's sub-folder with the suffix, the first of each name only.
QStringList filesIn(const QStringList& dataFolders, const QString& sub, const QString& suffix) {
    QStringList paths;
    QSet<QString> seen;
    for (const QString& folder : dataFolders) {
        const QDir dir(QDir(folder).filePath(sub));
        for (const QString& name :
             dir.entryList({QLatin1Char('*') + suffix}, QDir::Files, QDir::Name)) {
            if (!seen.contains(name)) {
                seen.insert(name);
                paths.append(dir.filePath(name));
            }
        }
    }
    return paths;
}

bool installed(const QStringList& dataFolders, const QString& desktopId) {
    for (const QString& folder : dataFolders) {
        const QDir applications(QDir(folder).filePath(QStringLiteral("applications")));
        // A desktop id's dashes may stand for sub-folders: "kde-foo.desktop" is kde/foo.desktop.
        if (applications.exists(desktopId) ||
            applications.exists(QString(desktopId).replace(QLatin1Char('-'), QLatin1Char('/'))))
            return true;
    }
    return false;
}

bool isTrue(const QString& value) {
    return value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

void addProviders(const QStringList& dataFolders, const SearchSwitches& switches,
                  QList<SearchSource>& sources) {
    if (switches.shellSearchOff)
        return;
    for (const QString& path : filesIn(dataFolders, QStringLiteral("gnome-shell/search-providers"),
                                       QStringLiteral(".ini"))) {
        const auto keys = readGroup(path, QStringLiteral("Shell Search Provider"));
        SearchSource source{
            SearchSource::Kind::ShellProvider, keys.value(QStringLiteral("DesktopId")),
            keys.value(QStringLiteral("BusName")), keys.value(QStringLiteral("ObjectPath"))};
        if (keys.value(QStringLiteral("Version")) != QLatin1String("2") || source.id.isEmpty() ||
            source.busName.isEmpty() || !source.objectPath.startsWith(QLatin1Char('/'))) {
            qCDebug(lcSources) << "not a search provider of version 2:" << path;
            continue;
        }
        const bool wanted = isTrue(keys.value(QStringLiteral("DefaultDisabled")))
                                ? switches.shellEnabled.contains(source.id)
                                : !switches.shellDisabled.contains(source.id);
        if (wanted && installed(dataFolders, source.id))
            sources.append(source);
    }
}

void addRunners(const QStringList& dataFolders, const SearchSwitches& switches,
                QList<SearchSource>& sources) {
    for (const QString& path :
         filesIn(dataFolders, QStringLiteral("krunner/dbusplugins"), QStringLiteral(".desktop"))) {
        const auto keys = readGroup(path, QStringLiteral("Desktop Entry"));
        QString id = keys.value(QStringLiteral("X-KDE-PluginInfo-Name"));
        if (id.isEmpty())
            id = QFileInfo(path).completeBaseName();
        SearchSource source{SearchSource::Kind::Runner, id,
                            keys.value(QStringLiteral("X-Plasma-DBusRunner-Service")),
                            keys.value(QStringLiteral("X-Plasma-DBusRunner-Path"))};
        // A service name with a wildcard stands for many instances; none is asked.
        if (source.busName.isEmpty() || source.busName.contains(QLatin1Char('*')) ||
            !source.objectPath.startsWith(QLatin1Char('/'))) {
            qCDebug(lcSources) << "not a runner on the bus:" << path;
            continue;
        }
        const QString byDefault = keys.value(QStringLiteral("X-KDE-PluginInfo-EnabledByDefault"));
        if (!switches.runnersOn.value(id, byDefault.isEmpty() || isTrue(byDefault)))
            continue;
        source.shortestLine =
            keys.value(QStringLiteral("X-Plasma-Runner-Min-Letter-Count")).toInt();
        sources.append(source);
    }
}

// What gsettings prints for a key, "" when it cannot say (no program, no such schema).
QString gsetting(const QString& program, const QString& key) {
    QProcess process;
    process.start(program, {QStringLiteral("get"),
                            QStringLiteral("org.gnome.desktop.search-providers"), key});
    if (!process.waitForFinished(2000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        qCDebug(lcSources) << "gsettings has no" << key;
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

}  // namespace

QList<SearchSource> findSearchSources(const QStringList& dataFolders,
                                      const SearchSwitches& switches) {
    QList<SearchSource> sources;
    addProviders(dataFolders, switches, sources);
    addRunners(dataFolders, switches, sources);
    return sources;
}

QStringList parsePrintedStringList(const QString& printed) {
    QStringList strings;
    static const QRegularExpression quoted(
        QStringLiteral(R"re('((?:[^'\\]|\\.)*)'|"((?:[^"\\]|\\.)*)")re"));
    for (const QRegularExpressionMatch& match : quoted.globalMatch(printed)) {
        QString text = match.captured(1).isNull() ? match.captured(2) : match.captured(1);
        strings.append(
            text.replace(QRegularExpression(QStringLiteral(R"(\\(.))")), QStringLiteral("\\1")));
    }
    return strings;
}

SearchSwitches readSearchSwitches(const QString& configFolder) {
    SearchSwitches switches;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (!program.isEmpty()) {
        switches.shellSearchOff =
            gsetting(program, QStringLiteral("disable-external")) == QLatin1String("true");
        switches.shellDisabled =
            parsePrintedStringList(gsetting(program, QStringLiteral("disabled")));
        switches.shellEnabled =
            parsePrintedStringList(gsetting(program, QStringLiteral("enabled")));
    }
    switches.runnersOn = readRunnerTicks(configFolder);
    return switches;
}

QHash<QString, bool> readRunnerTicks(const QString& configFolder) {
    QHash<QString, bool> ticks;
    const auto keys = readGroup(QDir(configFolder).filePath(QStringLiteral("krunnerrc")),
                                QStringLiteral("Plugins"));
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        if (it.key().endsWith(QLatin1String("Enabled")))
            ticks.insert(it.key().chopped(7), isTrue(it.value()));
    }
    return ticks;
}

}  // namespace mirato
