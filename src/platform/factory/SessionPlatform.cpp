#include "platform/factory/SessionPlatform.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "platform/InstanceChannel.h"
#include "platform/XdgApplications.h"
#include "platform/dbus/BusActivatedApplications.h"
#include "platform/dbus/DBusDesktopSearch.h"
#include "platform/dbus/SessionBusIdleClock.h"
#include "platform/factory/HostPlatform.h"
#include "platform/portal/PortalShortcut.h"
#include "platform/posix/PosixEndSignals.h"
#include "platform/wayland/WaylandIdleClock.h"
#include "platform/wayland/WlrRunningApplications.h"
#include "platform/x11/X11IdleClock.h"
#include "platform/x11/X11RunningApplications.h"
#include "platform/x11/X11Shortcut.h"
#include "platform/xdg/XdgAssociationStore.h"
#include "platform/xdg/XdgLoginEntry.h"

namespace mirato {

SessionPlatform::ShortcutBackend SessionPlatform::shortcutBackendFor(Session session) {
    // On XWayland a key grab only sees keys while one of our own windows has the focus.
    return session == Session::Wayland ? ShortcutBackend::Portal : ShortcutBackend::X11Grab;
}

SessionPlatform::IdleBackend SessionPlatform::idleBackendFor(Session session) {
    // XWayland's screen-saver counter is not fed by native Wayland input.
    return session == Session::Wayland ? IdleBackend::CompositorThenSessionBus
                                       : IdleBackend::X11Counter;
}

SessionPlatform::SessionPlatform(const QProcessEnvironment& environment)
    : session_(sessionOf(environment)) {}

std::unique_ptr<InstanceChannel> SessionPlatform::instanceChannel() {
    return HostPlatform::instanceChannel();
}

std::unique_ptr<GlobalShortcut> SessionPlatform::globalShortcut() {
    if (shortcutBackendFor(session_) == ShortcutBackend::Portal)
        return std::make_unique<PortalShortcut>(QLatin1String(kApplicationId),
                                                QCoreApplication::applicationFilePath());
    return std::make_unique<X11Shortcut>();
}

std::unique_ptr<IdleClock> SessionPlatform::idleClock() {
    if (idleBackendFor(session_) == IdleBackend::X11Counter)
        return std::make_unique<X11IdleClock>();
    // The compositor's notifications reach every Wayland desktop that has them; the session
    // bus has the desktops that answer there instead (GNOME).
    auto compositor = std::make_unique<WaylandIdleClock>();
    if (compositor->isAvailable())
        return compositor;
    return std::make_unique<SessionBusIdleClock>();
}

std::unique_ptr<LoginEntryStore> SessionPlatform::loginEntry() {
    return std::make_unique<XdgLoginEntry>();
}

std::unique_ptr<SessionEnd> SessionPlatform::sessionEnd() {
    return std::make_unique<PosixEndSignals>();
}

std::unique_ptr<DesktopSearch> SessionPlatform::desktopSearch() {
    DBusDesktopSearch::Options options;
    options.dataFolders = XdgApplications::dataFolders();
    options.configFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<DBusDesktopSearch>(options);
}

std::unique_ptr<RunningApplications> SessionPlatform::runningApplications() {
    // A Wayland session shows the program no other program's windows: there a wlroots
    // compositor lists them to a connection of the program's own; elsewhere applications that
    // the bus starts are asked to come forward.
    if (session_ == Session::Wayland)
        return std::make_unique<EitherRunningApplications>(
            std::make_unique<WlrRunningApplications>(
                QString(),
                QStringList{QString::fromLatin1(kApplicationId), QStringLiteral("mirato")}),
            std::make_unique<BusActivatedApplications>());
    return std::make_unique<X11RunningApplications>();
}

std::unique_ptr<AssociationStore> SessionPlatform::associationStore(const QString& program,
                                                                    const QString& iconFolder) {
    return std::make_unique<XdgAssociationStore>(program, iconFolder);
}

}  // namespace mirato
