#include <QDir>
#include <QString>
#include <cstdio>
#include <memory>

#include "Program.h"
#include "components/EngineHeadStart.h"
#include "core/ProcessMemory.h"
#include "core/StartDocument.h"
#include "platform/InstanceChannel.h"
#include "platform/factory/HostPlatform.h"

namespace {

const char* const kHelp =
    "Usage: mirato [DOCUMENT]\n"
    "       mirato --toggle | --help | --version\n"
    "\n"
    "Mirato is a quick-entry box with a music player and synchronised lyrics. It lives in the\n"
    "tray; Alt+R shows and hides the box. Type a line and press Enter: a plug-in, TM<opacity>,\n"
    "Add/Del <playlist>, lnk, playlist, a saved playlist or shortcut, a number, a media file or\n"
    "stream, an IP address, a path or a web address. F1 in the box opens the full help.\n"
    "\n"
    "  DOCUMENT   a media file or address is played, a .wrc lyrics file is loaded, anything\n"
    "             else waits in the box; a running Mirato receives it and this start ends\n"
    "  --toggle   show or hide the running Mirato's box. Where the desktop does not give\n"
    "             Mirato Alt+R (a Wayland desktop without a global-shortcuts portal, or a key\n"
    "             held by another program), bind this command to a key in the desktop's\n"
    "             keyboard settings.\n"
    "  --help     this text\n"
    "  --version  the version\n";

}  // namespace

int main(int argc, char* argv[]) {
    mirato::ProcessMemory::useOneArena();
    // The whole command line is one document (a path with blanks arrives in pieces).
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    const QString commandLine = words.join(QLatin1Char(' '));
    if (commandLine == QLatin1String("--help") || commandLine == QLatin1String("-h")) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (commandLine == QLatin1String("--version")) {
        std::puts("Mirato V3.0");
        return 0;
    }
    std::unique_ptr<mirato::InstanceChannel> instance = mirato::HostPlatform::instanceChannel();
    if (commandLine == QLatin1String("--toggle")) {
        const bool sent = instance->send(QLatin1String(mirato::InstanceChannel::kToggle));
        if (!sent)
            std::fputs("mirato: no running Mirato to toggle\n", stderr);
        return sent ? 0 : 1;
    }

    // A file named relative to the folder the start was typed in is that file, here and for a
    // running instance started elsewhere.
    const QString document = mirato::StartDocument::resolve(commandLine, QDir::currentPath());
    // A later start hands its document to the running instance and ends, without a window and
    // without touching the settings.
    if (!instance->acquire()) {
        instance->forward(document);
        return 0;
    }

    mirato::HostPlatform::prepareSession();
    // A song double-clicked in the file browser is heard as soon as its engine can play it,
    // while the box comes up.
    std::unique_ptr<mirato::EngineHeadStart> headStart =
        mirato::EngineHeadStart::forDocument(document);
    mirato::ProgramStart start{&argc, argv, document, std::move(instance), std::move(headStart)};
    return mirato::startProgram(start);
}
