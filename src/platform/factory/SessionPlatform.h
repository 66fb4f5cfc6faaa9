#pragma once

#include <QProcessEnvironment>

#include "platform/PlatformBackends.h"

namespace mirato {

// The one place that knows the backends: it looks at the session the program runs in and
// makes, for each concern, the backend that works there.
class SessionPlatform : public PlatformBackends {
public:
    enum class Session { X11, Wayland };
    enum class ShortcutBackend { X11Grab, Portal };
    // A Wayland session asks the compositor first and the session bus when it cannot say.
    enum class IdleBackend { X11Counter, CompositorThenSessionBus };

    // A Wayland session says so with WAYLAND_DISPLAY or XDG_SESSION_TYPE; anything else is
    // treated as X11 (whose backends step aside where no display exists).
    static Session sessionOf(const QProcessEnvironment& environment);
    static ShortcutBackend shortcutBackendFor(Session session);
    static IdleBackend idleBackendFor(Session session);
    // The windows need global positions, which native Wayland clients do not have: in a
    // Wayland session they run on XWayland unless the user picked a Qt platform. Call before
    // the application object exists.
    static void preferXWayland(const QProcessEnvironment& environment);

    explicit SessionPlatform(
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

    Session session() const { return session_; }

    std::unique_ptr<InstanceChannel> instanceChannel() override;
    std::unique_ptr<GlobalShortcut> globalShortcut() override;
    std::unique_ptr<IdleClock> idleClock() override;
    std::unique_ptr<LoginEntryStore> loginEntry() override;
    std::unique_ptr<SessionEnd> sessionEnd() override;
    std::unique_ptr<DesktopSearch> desktopSearch() override;
    std::unique_ptr<RunningApplications> runningApplications() override;
    std::unique_ptr<AssociationStore> associationStore(const QString& program,
                                                       const QString& iconFolder) override;

private:
    Session session_;
};

}  // namespace mirato
