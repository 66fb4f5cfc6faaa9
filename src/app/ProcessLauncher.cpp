#include "app/ProcessLauncher.h"

#include <QLoggingCategory>
#include <QProcess>

Q_LOGGING_CATEGORY(lcLaunch, "mirato.app.launch", QtWarningMsg)

namespace mirato {

bool ProcessLauncher::start(const Command& command, WindowStyle) {
    if (command.program.isEmpty())
        return false;
    const bool started =
        QProcess::startDetached(command.program, command.arguments, command.workingFolder);
    qCDebug(lcLaunch) << (started ? "started" : "could not start") << command.program
                      << command.arguments;
    return started;
}

}  // namespace mirato
