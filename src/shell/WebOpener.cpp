#include "shell/WebOpener.h"

#include <QLoggingCategory>

#include "platform/DefaultBrowser.h"

Q_LOGGING_CATEGORY(lcWeb, "mirato.shell.web", QtWarningMsg)

namespace mirato {

WebOpener::WebOpener(QString browserCommand, Launcher& launcher, const HostConventions& conventions)
    : browserCommand_(std::move(browserCommand)), launcher_(launcher), conventions_(conventions) {}

WebOpener::WebOpener(Launcher& launcher, const HostConventions& conventions)
    : launcher_(launcher), conventions_(conventions) {}

const QString& WebOpener::browserCommand() const {
    if (!browserCommand_)
        browserCommand_ = readBrowserCommand();
    return *browserCommand_;
}

void WebOpener::open(const QString& typed) {
    // A line starting with "-" would be an option to the browser or to xdg-open
    // ("--new-instance", "--help"): as an address it is a host name.
    const QString address =
        typed.startsWith(QLatin1Char('-')) ? QStringLiteral("http://") + typed : typed;
    const QStringList words = conventions_.splitCommandLine(browserCommand());
    auto startWith = [&](const QString& placeholder) {
        QStringList arguments = words;
        for (QString& word : arguments)
            word.replace(placeholder, address);
        const QString program = arguments.takeFirst();
        if (!launcher_.start(Command{program, arguments}, WindowStyle::Maximised))
            qCDebug(lcWeb) << "browser did not start:" << program;
    };
    if (!words.isEmpty() && browserCommand().contains(QLatin1String("%1"))) {
        startWith(QStringLiteral("%1"));
    } else if (!words.isEmpty() && browserCommand().contains(QLatin1String("-nohome"))) {
        startWith(QStringLiteral("-nohome"));
    } else if (!words.isEmpty() && browserCommand().contains(QLatin1String("xplore.exe"))) {
        QStringList arguments = words;
        const QString program = arguments.takeFirst();
        arguments.append(address);
        if (!launcher_.start(Command{program, arguments}, WindowStyle::Maximised))
            qCDebug(lcWeb) << "browser did not start:" << program;
    } else if (!launcher_.start(conventions_.openWithDesktop(address), WindowStyle::Normal)) {
        qCDebug(lcWeb) << "the desktop could not open" << address;
    }
}

QString WebOpener::readBrowserCommand() {
    return DefaultBrowser::command();
}

}  // namespace mirato
