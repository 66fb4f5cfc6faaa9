#include "shell/XdgAssociationBackend.h"

#include <QDir>
#include <QLoggingCategory>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/XdgApplications.h"

Q_LOGGING_CATEGORY(lcAssociations, "mirato.shell.associations", QtWarningMsg)

namespace mirato {

namespace {

// A path as one word of an Exec line.
QString execWord(const QString& path) {
    static const QString reserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    bool quote = false;
    for (const QChar c : path)
        quote = quote || reserved.contains(c);
    if (!quote)
        return path;
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\\\""));
    escaped.replace(QLatin1Char('`'), QLatin1String("\\\\`"));
    escaped.replace(QLatin1Char('$'), QLatin1String("\\\\$"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

}  // namespace

XdgAssociationBackend::XdgAssociationBackend(QString program, QString iconFolder)
    : program_(std::move(program)), iconFolder_(std::move(iconFolder)) {}

QString XdgAssociationBackend::applicationsFolder() {
    return XdgApplications::dataFolders().first() + QStringLiteral("/applications");
}

std::optional<QString> XdgAssociationBackend::currentHandler(const AssociationRow& row) {
    const QString id = XdgApplications::defaultApplication(row.mimeType);
    if (id.isEmpty())
        return std::nullopt;
    return id;
}

QString XdgAssociationBackend::handlerName(const AssociationRow& row) const {
    return row.className + QStringLiteral(".desktop");
}

void XdgAssociationBackend::registerHandler(const AssociationRow& row) {
    const QString folder = applicationsFolder();
    QDir().mkpath(folder);
    QSaveFile file(folder + QLatin1Char('/') + handlerName(row));
    if (!file.open(QIODevice::WriteOnly)) {
        qCDebug(lcAssociations) << "cannot write" << file.fileName();
        return;
    }
    const QString entry = QStringLiteral(
                              "[Desktop Entry]\nType=Application\nName=Mirato\nComment=%1\n"
                              "Icon=%2\nExec=%3 %f\nMimeType=%4;\nNoDisplay=true\n")
                              .arg(row.description, iconFolder_ + QLatin1Char('/') + row.iconFile,
                                   execWord(program_), row.mimeType);
    file.write(entry.toUtf8());
    if (!file.commit())
        qCDebug(lcAssociations) << "cannot write" << file.fileName();
}

void XdgAssociationBackend::setHandler(const AssociationRow& row, const QString& handler) {
    if (!XdgApplications::setDefaultApplication(row.mimeType, handler))
        qCDebug(lcAssociations) << "cannot change the default for" << row.mimeType;
}

void XdgAssociationBackend::refresh() {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    const QString folder = applicationsFolder();
    if (tool.isEmpty() || !QDir(folder).exists())
        return;
    QProcess::execute(tool, {QStringLiteral("-q"), folder});
}

}  // namespace mirato
