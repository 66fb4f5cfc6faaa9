#include <gtest/gtest.h>

#include "platform/AssociationStore.h"
#include "platform/GlobalShortcut.h"
#include "platform/IdleClock.h"
#include "platform/LoginEntryStore.h"
#include "platform/factory/SessionPlatform.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using Session = SessionPlatform::Session;

namespace {

QProcessEnvironment environment(std::initializer_list<std::pair<const char*, const char*>> vars) {
    QProcessEnvironment env;
    for (const auto& [name, value] : vars)
        env.insert(QLatin1String(name), QLatin1String(value));
    return env;
}

TEST(SessionPlatformTest, EachSessionGetsTheBackendsThatWorkThere) {
    struct Row {
        QProcessEnvironment env;
        Session session;
        SessionPlatform::ShortcutBackend shortcut;
        SessionPlatform::IdleBackend idle;
    };
    const Row rows[] = {
        {environment({{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}), Session::X11,
         SessionPlatform::ShortcutBackend::X11Grab, SessionPlatform::IdleBackend::X11Counter},
        // A Wayland session has an X display too (XWayland), whose grab sees only our windows.
        {environment({{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}), Session::Wayland,
         SessionPlatform::ShortcutBackend::Portal,
         SessionPlatform::IdleBackend::CompositorThenSessionBus},
        {environment({{"XDG_SESSION_TYPE", "wayland"}}), Session::Wayland,
         SessionPlatform::ShortcutBackend::Portal,
         SessionPlatform::IdleBackend::CompositorThenSessionBus},
        // No session at all (a test, a console): the X11 backends step aside by themselves.
        {environment({}), Session::X11, SessionPlatform::ShortcutBackend::X11Grab,
         SessionPlatform::IdleBackend::X11Counter},
    };
    for (const Row& row : rows) {
        const Session session = SessionPlatform::sessionOf(row.env);
        EXPECT_EQ(session, row.session) << row.env.toStringList().join(' ').toStdString();
        EXPECT_EQ(SessionPlatform::shortcutBackendFor(session), row.shortcut);
        EXPECT_EQ(SessionPlatform::idleBackendFor(session), row.idle);
    }
}

TEST(SessionPlatformTest, WaylandWindowsRunOnXWaylandUnlessAPlatformWasPicked) {
    mirato::test::TempEnvironment env;
    const QByteArray before = qgetenv("QT_QPA_PLATFORM");
    qunsetenv("QT_QPA_PLATFORM");
    SessionPlatform::preferXWayland(environment({{"WAYLAND_DISPLAY", "wayland-0"}}));
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "xcb");
    qputenv("QT_QPA_PLATFORM", "wayland");
    SessionPlatform::preferXWayland(
        environment({{"WAYLAND_DISPLAY", "wayland-0"}, {"QT_QPA_PLATFORM", "wayland"}}));
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "wayland");
    qunsetenv("QT_QPA_PLATFORM");
    SessionPlatform::preferXWayland(environment({{"DISPLAY", ":0"}}));
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
    qputenv("QT_QPA_PLATFORM", before);
}

// Without any desktop (offscreen, no bus service) nothing hangs and each concern says so.
TEST(SessionPlatformTest, WithoutADesktopEachConcernSaysItIsUnavailable) {
    SessionPlatform x11(environment({}));
    auto shortcut = x11.globalShortcut();
    QList<GlobalShortcut::Problem> problems;
    QObject::connect(shortcut.get(), &GlobalShortcut::unavailable,
                     [&](GlobalShortcut::Problem why) { problems.append(why); });
    shortcut->bind("Show or hide");
    EXPECT_EQ(problems, QList{GlobalShortcut::Problem::NoBackend});
    EXPECT_FALSE(x11.idleClock()->isAvailable());
    EXPECT_NE(x11.loginEntry(), nullptr);
    EXPECT_NE(x11.associationStore("/usr/bin/mirato", "/usr/share/mirato/RunIco"), nullptr);
}

}  // namespace
