#include "platform/xdg/XdgLoginEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/DesktopEntry.h"
#include "platform/XdgApplications.h"

namespace mirato {

QString XdgLoginEntry::path() {
    return XdgApplications::configFolders().first() + QStringLiteral("/autostart/Mirato.desktop");
}

std::optional<QString> XdgLoginEntry::read() {
    const auto entry = DesktopEntry::load(path());
    if (!entry)
        return std::nullopt;
    return entry->exec();
}

LoginEntryStore::WriteResult XdgLoginEntry::write(const QString& command) {
    const QString file = path();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return WriteResult::Denied;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return out.error() == QFileDevice::OpenError || out.error() == QFileDevice::PermissionsError
                   ? WriteResult::Denied
                   : WriteResult::Failed;
    }
    const QByteArray entry =
        "[Desktop Entry]\nType=Application\nName=Mirato\nComment=Quick entry, music and lyrics\n"
        "Exec=" +
        DesktopEntry::quoteExecWord(command).toUtf8() + "\nX-GNOME-Autostart-enabled=true\n";
    if (out.write(entry) != entry.size())
        return WriteResult::Failed;
    if (!out.commit())
        return out.error() == QFileDevice::PermissionsError ? WriteResult::Denied
                                                            : WriteResult::Failed;
    return WriteResult::Written;
}

bool XdgLoginEntry::remove() {
    return QFile::remove(path()) || !QFileInfo::exists(path());
}

}  // namespace mirato
