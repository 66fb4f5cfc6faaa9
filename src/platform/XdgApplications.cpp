#include "platform/XdgApplications.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace mirato {

namespace {

QString homeBased(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + fallback;
}

QStringList absoluteList(const char* variable, const QString& fallback) {
    QString value = qEnvironmentVariable(variable);
    if (value.isEmpty())
        value = fallback;
    QStringList folders;
    for (const QString& folder : value.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            folders.append(folder);
    }
    return folders;
}

// The first id listed for the MIME type in the [Default Applications] group of one list.
QStringList defaultsIn(const QString& listPath, const QString& mimeType) {
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    bool inDefaults = false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inDefaults = line == QLatin1String("[Default Applications]");
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inDefaults && eq > 0 && line.left(eq).trimmed() == mimeType)
            return line.mid(eq + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    return {};
}

}  // namespace

QStringList XdgApplications::configFolders() {
    return QStringList{homeBased("XDG_CONFIG_HOME", QStringLiteral("/.config"))} +
           absoluteList("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
}

QStringList XdgApplications::dataFolders() {
    return QStringList{homeBased("XDG_DATA_HOME", QStringLiteral("/.local/share"))} +
           absoluteList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
}

QString XdgApplications::defaultApplication(const QString& mimeType) {
    QStringList lists;
    for (const QString& folder : configFolders())
        lists.append(folder + QStringLiteral("/mimeapps.list"));
    for (const QString& folder : dataFolders())
        lists.append(folder + QStringLiteral("/applications/mimeapps.list"));
    for (const QString& list : lists) {
        for (const QString& id : defaultsIn(list, mimeType)) {
            if (!findDesktopFile(id.trimmed()).isEmpty())
                return id.trimmed();
        }
    }
    return {};
}

QString XdgApplications::userMimeAppsList() {
    return configFolders().first() + QStringLiteral("/mimeapps.list");
}

bool XdgApplications::setDefaultApplication(const QString& mimeType, const QString& desktopId) {
    const QString path = userMimeAppsList();
    QByteArray data;
    QFile in(path);
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly))
            return false;
        data = in.readAll();
        in.close();
    }
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QByteArray entry = mimeType.toUtf8() + '=' + desktopId.toUtf8() + ';';
    qsizetype section = -1;
    qsizetype insertAt = -1;
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.startsWith('[')) {
            if (section >= 0)
                break;
            if (line == "[Default Applications]") {
                section = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (section < 0)
            continue;
        if (!line.isEmpty())
            insertAt = i + 1;
        const qsizetype eq = line.indexOf('=');
        if (eq > 0 && line.left(eq).trimmed() == mimeType.toUtf8()) {
            lines[i] = entry;
            done = true;
        }
    }
    if (!done) {
        if (section < 0) {
            if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
                lines.append(QByteArray());
            lines.append("[Default Applications]");
            lines.append(entry);
        } else {
            lines.insert(insertAt, entry);
        }
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(lines.join('\n') + '\n');
    return out.commit();
}

QString XdgApplications::findDesktopFile(const QString& desktopId) {
    if (desktopId.isEmpty() || desktopId.contains(QLatin1Char('/')))
        return {};
    for (const QString& folder : dataFolders()) {
        const QString path = folder + QStringLiteral("/applications/") + desktopId;
        if (QFileInfo(path).isFile())
            return path;
        // "vendor-app.desktop" may live in applications/vendor/app.desktop.
        QString nested = desktopId;
        nested.replace(QLatin1Char('-'), QLatin1Char('/'));
        const QString nestedPath = folder + QStringLiteral("/applications/") + nested;
        if (nested != desktopId && QFileInfo(nestedPath).isFile())
            return nestedPath;
    }
    return {};
}

}  // namespace mirato
