#include "shell/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include "core/Strings.h"
#include "platform/DesktopEntry.h"
#include "platform/XdgApplications.h"

Q_LOGGING_CATEGORY(lcAutostart, "mirato.shell.autostart", QtWarningMsg)

namespace mirato {

QString Autostart::commandFor(const QString& folder, const QString& name,
                              const HostConventions& conventions) {
    QString command = folder;
    if (!(conventions.isWindows() ? folder.size() == 3 : folder.endsWith(QLatin1Char('/'))))
        command += conventions.separator();
    return command + name + (conventions.isWindows() ? QStringLiteral(".Exe") : QString());
}

void Autostart::load() {
    state_.setAutostartValue(backend_.read().value_or(QString()));
}

bool Autostart::toggle(const QString& command) {
    const QString& language = state_.language();
    if (!state_.autostartValue().isEmpty()) {
        if (!backend_.remove())
            qCDebug(lcAutostart) << "the login entry could not be removed";
        state_.setAutostartValue({});
        notifier_.messageBox(Strings::message(language, MessageCode::AutostartOff));
        return false;
    }
    switch (backend_.write(command)) {
        case LoginEntryBackend::WriteResult::Written:
            state_.setAutostartValue(QStringLiteral("1"));
            notifier_.messageBox(Strings::message(language, MessageCode::AutostartOn),
                                 QStringLiteral("Mirato"));
            return true;
        case LoginEntryBackend::WriteResult::Denied: {
            const QString twoBreaks = QStringLiteral("\r\r");
            notifier_.stopBox(
                Strings::message(language, MessageCode::AutostartFailed1) + twoBreaks +
                Strings::message(language, MessageCode::AutostartFailed2) + twoBreaks +
                Strings::message(language, MessageCode::AutostartFailed3));
            state_.setAutostartValue({});
            return false;
        }
        case LoginEntryBackend::WriteResult::Failed:
            qCDebug(lcAutostart) << "the login entry could not be written";
            return true;  // the tick stays as the user set it
    }
    return false;
}

QString XdgLoginEntry::path() {
    return XdgApplications::configFolders().first() + QStringLiteral("/autostart/Mirato.desktop");
}

std::optional<QString> XdgLoginEntry::read() {
    const auto entry = DesktopEntry::load(path());
    if (!entry)
        return std::nullopt;
    return entry->exec();
}

LoginEntryBackend::WriteResult XdgLoginEntry::write(const QString& command) {
    const QString file = path();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return WriteResult::Denied;
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return out.error() == QFileDevice::OpenError || out.error() == QFileDevice::PermissionsError
                   ? WriteResult::Denied
                   : WriteResult::Failed;
    }
    const QByteArray entry =
        "[Desktop Entry]\nType=Application\nName=Mirato\nComment=Quick entry, music and lyrics\n"
        "Exec=" +
        command.toUtf8() + "\nX-GNOME-Autostart-enabled=true\n";
    if (out.write(entry) != entry.size())
        return WriteResult::Failed;
    return WriteResult::Written;
}

bool XdgLoginEntry::remove() {
    return QFile::remove(path()) || !QFileInfo::exists(path());
}

}  // namespace mirato
