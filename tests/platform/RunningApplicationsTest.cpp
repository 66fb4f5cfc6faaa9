#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QTest>

#include "platform/dbus/BusActivatedApplications.h"
#include "platform/wayland/WlrRunningApplications.h"
#include "support/StandInCompositor.h"
#include "support/TempEnvironment.h"

using namespace mirato;

namespace {

InstalledApplication app(const char* id, const char* program, const char* windowClass = "") {
    InstalledApplication a;
    a.id = id;
    a.program = program;
    a.windowClass = windowClass;
    return a;
}

TEST(WindowChoiceTest, TheWindowBroughtForwardIsTheMostRecentThenTheNext) {
    const QList<OpenWindow> opened{{1, {"term", "XTerm"}},
                                   {2, {"Navigator", "firefox"}},
                                   {3, {"xtestfix", "Xmessage"}},
                                   {4, {"xterm", "XTerm"}},
                                   {5, {"org.example.Notes"}}};
    const QList<quint64> recent{4, 2, 1, 3, 5};  // least recent first
    const struct {
        const char* what;
        InstalledApplication app;
        quint64 active;
        quint64 raised;
    } rows[] = {
        {"by the program's name, the most recent first", app("xterm", "xterm"), 5, 1},
        {"the active one's next", app("xterm", "xterm"), 1, 4},
        {"and round again", app("xterm", "xterm"), 4, 1},
        {"by the class the entry names", app("fixture", "fixture-app", "xtestfix"), 0, 3},
        {"the entry's class alone counts", app("firefox", "firefox", "Firefox-esr"), 0, 0},
        {"by the desktop id, any case", app("org.example.notes", "notes"), 2, 5},
        {"none of its windows", app("gimp", "gimp-2.10"), 1, 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(windowToRaise(opened, recent, row.active, row.app), row.raised) << row.what;
}

// An application the bus starts: it owns its id as a name and has org.freedesktop.Application.
class BusApplication : public QDBusVirtualObject {
public:
    BusApplication() : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "app")) {}
    ~BusApplication() override { QDBusConnection::disconnectFromBus(bus_.name()); }
    bool start() {
        return bus_.registerVirtualObject("/org/mirato/test/Some_App", this) &&
               bus_.registerService("org.mirato.test.Some-App");
    }
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override {
        calls.append(message.interface() + '.' + message.member());
        return true;
    }
    QStringList calls;

private:
    QDBusConnection bus_;
};

TEST(BusActivatedApplicationsTest, OneThatOwnsItsNameIsAskedToComeForward) {
    BusApplication running;
    ASSERT_TRUE(running.start());
    InstalledApplication some = app("org.mirato.test.Some-App", "some-app");
    const InstalledApplication other = app("org.mirato.test.Other", "other");
    BusActivatedApplications applications;
    EXPECT_FALSE(applications.isRunning(some));  // not activatable: its name proves nothing
    some.busActivated = true;
    EXPECT_TRUE(applications.isRunning(some));
    EXPECT_FALSE(applications.isRunning(other));
    EXPECT_TRUE(applications.switchTo(some));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !running.calls.isEmpty(); }, 3000));
    EXPECT_EQ(running.calls, QStringList{"org.freedesktop.Application.Activate"});
}

TEST(WlrRunningApplicationsTest, TheCompositorsWindowsAreSwitchedToInTurn) {
    mirato::test::TempEnvironment env;
    // The program's own box is the active window, as it is while the user types.
    mirato::test::StandInCompositor compositor(
        false, {"org.example.Notes", "xterm", "org.example.Notes", "org.mirato.Mirato"});
    WlrRunningApplications windows(compositor.socket(), {"org.mirato.Mirato"});
    const InstalledApplication notes = app("org.example.Notes", "notes");
    const InstalledApplication terminal = app("xterm", "xterm");
    EXPECT_TRUE(windows.isRunning(notes));
    EXPECT_TRUE(windows.isRunning(terminal));
    EXPECT_FALSE(windows.isRunning(app("gimp", "gimp")));

    ASSERT_TRUE(windows.switchTo(notes));
    EXPECT_TRUE(QTest::qWaitFor([&] { return compositor.activations() == QList<int>{2}; }, 3000));
    compositor.activate(3);  // back in the box: Enter again goes on to the other window
    ASSERT_TRUE(QTest::qWaitFor([&] { return compositor.activeWindow() == 3; }, 3000));
    ASSERT_TRUE(windows.switchTo(notes));
    ASSERT_TRUE(windows.switchTo(terminal));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return compositor.activations() == (QList<int>{2, 0, 1});
        },
        3000));

    // No list offered, or no compositor: nothing runs.
    mirato::test::StandInCompositor bare(true);
    WlrRunningApplications none(bare.socket());
    EXPECT_FALSE(none.isRunning(terminal));
    EXPECT_FALSE(none.switchTo(terminal));
    WlrRunningApplications absent("no-such-compositor");
    EXPECT_FALSE(absent.isRunning(terminal));
}

}  // namespace
