// A stand-in desktop portal with global shortcuts, run as a process of its own on the session
// bus, for end-to-end runs of the real program:
//   mirato-portal-stand-in LOG [--no-registry] [--refuse] [--gnome48]
// Each call it is asked is appended to LOG; "ready" is written once it owns the portal's name.
// dbus-send ... org.mirato.StandIn.Activate makes the desktop "press" the bound shortcut.
#include <QCoreApplication>
#include <QFile>

#include "support/DesktopStandIns.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2)
        return 2;
    mirato::test::PortalStandIn::Options options;
    if (arguments.contains(QStringLiteral("--gnome48")))
        options = mirato::test::PortalStandIn::gnome48();
    options.registry = !arguments.contains(QStringLiteral("--no-registry"));
    if (arguments.contains(QStringLiteral("--refuse"))) {
        options.bindResponse = 1;
        options.grant = false;
    }
    mirato::test::PortalStandIn portal(options);
    portal.logFile = arguments.at(1);
    if (!portal.start())
        return 1;
    QFile log(portal.logFile);
    if (log.open(QIODevice::Append))
        log.write("ready\n");
    log.close();
    return app.exec();
}
