#include "platform/xdg/XdgAssociationStore.h"

#include <QDir>
#include <QLoggingCategory>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/DesktopEntry.h"
#include "platform/XdgApplications.h"

Q_LOGGING_CATEGORY(lcAssociations, "mirato.platform.associations", QtWarningMsg)

namespace mirato {

XdgAssociationStore::XdgAssociationStore(QString program, QString iconFolder)
    : program_(std::move(program)), iconFolder_(std::move(iconFolder)) {}

QString XdgAssociationStore::applicationsFolder() {
    return XdgApplications::dataFolders().first() + QStringLiteral("/applications");
}

std::optional<QString> XdgAssociationStore::currentHandler(const AssociationRow& row) {
    const QString id = XdgApplications::defaultApplication(row.mimeType);
    if (id.isEmpty())
        return std::nullopt;
    return id;
}

QString XdgAssociationStore::handlerName(const AssociationRow& row) const {
    return row.className + QStringLiteral(".desktop");
}

void XdgAssociationStore::registerHandler(const AssociationRow& row) {
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
                                   DesktopEntry::quoteExecWord(program_), row.mimeType);
    file.write(entry.toUtf8());
    if (!file.commit())
        qCDebug(lcAssociations) << "cannot write" << file.fileName();
}

void XdgAssociationStore::setHandler(const AssociationRow& row, const QString& handler) {
    if (!XdgApplications::setDefaultApplication(row.mimeType, handler))
        qCDebug(lcAssociations) << "cannot change the default for" << row.mimeType;
}

void XdgAssociationStore::refresh() {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    const QString folder = applicationsFolder();
    if (tool.isEmpty() || !QDir(folder).exists())
        return;
    // The desktop's handler cache can take a while to rebuild: the windows do not wait for it.
    if (!QProcess::startDetached(tool, {QStringLiteral("-q"), folder}))
        qCDebug(lcAssociations) << "cannot start" << tool;
}

}  // namespace mirato
