#include "shell/Autostart.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>

#include "core/Strings.h"

Q_LOGGING_CATEGORY(lcAutostart, "mirato.shell.autostart", QtWarningMsg)

namespace mirato {

QString Autostart::commandFor(const QString& folder, const QString& name,
                              const HostConventions& conventions) {
    QString command = folder;
    if (!(conventions.isWindows() ? folder.size() == 3 : folder.endsWith(QLatin1Char('/'))))
        command += conventions.separator();
    return command + name + (conventions.isWindows() ? QStringLiteral(".Exe") : QString());
}

QString Autostart::commandForThisProgram(const HostConventions& conventions) {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return commandFor(program.absolutePath(), program.completeBaseName(), conventions);
}

void Autostart::load() {
    state_.setStartsAtLogin(!backend_.read().value_or(QString()).isEmpty());
}

bool Autostart::toggle(const QString& command) {
    const Language language = state_.language();
    if (state_.startsAtLogin()) {
        if (!backend_.remove())
            qCDebug(lcAutostart) << "the login entry could not be removed";
        state_.setStartsAtLogin(false);
        notifier_.messageBox(Strings::message(language, MessageCode::AutostartOff));
        return false;
    }
    switch (backend_.write(command)) {
        case LoginEntryStore::WriteResult::Written:
            state_.setStartsAtLogin(true);
            notifier_.messageBox(Strings::message(language, MessageCode::AutostartOn),
                                 QStringLiteral("Mirato"));
            return true;
        case LoginEntryStore::WriteResult::Denied: {
            const QString twoBreaks = QStringLiteral("\r\r");
            notifier_.stopBox(
                Strings::message(language, MessageCode::AutostartFailed1) + twoBreaks +
                Strings::message(language, MessageCode::AutostartFailed2) + twoBreaks +
                Strings::message(language, MessageCode::AutostartFailed3));
            state_.setStartsAtLogin(false);
            return false;
        }
        case LoginEntryStore::WriteResult::Failed:
            qCDebug(lcAutostart) << "the login entry could not be written";
            return true;  // the tick stays as the user set it
    }
    return false;
}

}  // namespace mirato
