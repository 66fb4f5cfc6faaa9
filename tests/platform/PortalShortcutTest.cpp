#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/DesktopEntry.h"
#include "platform/portal/PortalShortcut.h"
#include "support/DesktopStandIns.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::PortalStandIn;
using mirato::test::TempEnvironment;
using Problem = GlobalShortcut::Problem;

namespace {

// The backend against a stand-in portal on the private session bus, until it has answered.
struct BindingRun {
    explicit BindingRun(PortalStandIn::Options options, const QString& executable = {})
        : portal(options), shortcut(QStringLiteral("org.mirato.Mirato"), executable) {
        started = portal.start();
        QObject::connect(&shortcut, &GlobalShortcut::bound, [this](const QString& trigger) {
            outcome = QStringLiteral("bound ") + trigger;
            ++outcomes;
        });
        QObject::connect(&shortcut, &GlobalShortcut::unavailable, [this](Problem why) {
            problem = why;
            outcome = "unavailable";
            ++outcomes;
        });
        shortcut.bind(QStringLiteral("Show or hide the Mirato box"));
        answered = QTest::qWaitFor([this] { return !outcome.isEmpty(); }, 5000);
        QTest::qWait(50);  // a second answer would come now
    }
    PortalStandIn portal;
    PortalShortcut shortcut;
    bool started = false;
    bool answered = false;
    QString outcome;
    int outcomes = 0;
    std::optional<Problem> problem;
};

const QString kBind = QStringLiteral("BindShortcuts toggle-box Show or hide the Mirato box ALT+r");

TEST(PortalShortcutTest, BindsAltRAndAnswersTheDesktop) {
    struct Row {
        const char* what;
        PortalStandIn::Options options;
        QStringList calls;
        QString outcome;
        std::optional<Problem> problem;
        bool changeable;
    };
    using O = PortalStandIn::Options;
    const QString reg = QStringLiteral("Register org.mirato.Mirato");
    const Row rows[] = {
        {"newer portal", O{}, {reg, "CreateSession", kBind}, "bound Alt+R", {}, true},
        {"portal without registry, version 1",
         O{.registry = false, .version = 1},
         {"CreateSession", kBind},
         "bound Alt+R",
         {},
         false},
        {"answer before the reply",
         O{.responseFirst = true},
         {reg, "CreateSession", kBind},
         "bound Alt+R",
         {},
         true},
        {"description quoted with single quotes",
         O{.singleQuotes = true},
         {reg, "CreateSession", kBind},
         "bound Alt+R",
         {},
         true},
        // GNOME 48 after the user clicked Add: ShortcutsChanged, then response 2 with the
        // shortcut in its results.
        {"added, told by ShortcutsChanged, answered 2",
         O{.version = 1, .bindResponse = 2, .changedSignal = true},
         {reg, "CreateSession", kBind},
         "bound Alt+R",
         {},
         false},
        {"answered 2 with the shortcut, no signal",
         O{.bindResponse = 2},
         {reg, "CreateSession", kBind},
         "bound Alt+R",
         {},
         true},
        {"session refused",
         O{.sessionResponse = 1},
         {reg, "CreateSession"},
         "unavailable",
         Problem::Refused,
         false},
        {"binding cancelled by the user",
         O{.bindResponse = 1, .grant = false},
         {reg, "CreateSession", kBind},
         "unavailable",
         Problem::Refused,
         false},
        {"answered 2 with nothing bound",
         O{.bindResponse = 2, .grant = false},
         {reg, "CreateSession", kBind},
         "unavailable",
         Problem::Refused,
         false},
        {"binding answered with nothing bound",
         O{.grant = false},
         {reg, "CreateSession", kBind},
         "unavailable",
         Problem::Refused,
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        BindingRun run(row.options);
        ASSERT_TRUE(run.started);
        EXPECT_EQ(run.portal.calls, row.calls);
        EXPECT_EQ(run.outcome, row.outcome);
        EXPECT_EQ(run.problem, row.problem);
        EXPECT_EQ(run.outcomes, 1);
        if (row.outcome == "unavailable")
            continue;
        // A changeable trigger is a version 2 portal's own dialog.
        EXPECT_EQ(run.shortcut.canChangeTrigger(), row.changeable);
        run.shortcut.changeTrigger();
        const auto configured = [&] { return run.portal.calls.contains("ConfigureShortcuts"); };
        EXPECT_EQ(QTest::qWaitFor(configured, row.changeable ? 5000 : 100), row.changeable);
    }
}

TEST(PortalShortcutTest, OnlyOurShortcutInOurSessionToggles) {
    BindingRun run(PortalStandIn::Options{});
    ASSERT_EQ(run.outcome, "bound Alt+R");
    QSignalSpy activated(&run.shortcut, &GlobalShortcut::activated);
    run.portal.activate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return activated.count() == 1; }));
    run.portal.activate("another-shortcut");
    const QString ourSession = run.portal.session;
    run.portal.session = "/org/freedesktop/portal/desktop/session/1_99/someone_else";
    run.portal.activate();
    // Ours again: the bus keeps their order, so the two before it have been seen when it comes.
    run.portal.session = ourSession;
    run.portal.activate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return activated.count() >= 2; }));
    EXPECT_EQ(activated.count(), 2);

    // The session lasts until the program lets go of it.
    run.shortcut.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return run.portal.calls.last() == "Close"; }));
    run.portal.activate();
    QTest::qWait(100);  // nothing comes
    EXPECT_EQ(activated.count(), 2);
}

// Run from its build folder, the program is known to no desktop entry: it writes one of its
// own before registering, and GNOME's registry then knows its id.
TEST(PortalShortcutTest, AProgramNotInstalledMakesItselfKnownFirst) {
    TempEnvironment env;
    env.set("XDG_DATA_HOME", env.path("data"));
    env.set("XDG_DATA_DIRS", env.path("system"));
    const QString program = env.writeFile("build/bin/mirato", "");
    {
        BindingRun unknown(PortalStandIn::gnome48());
        EXPECT_EQ(unknown.portal.calls.value(0), "Register unknown org.mirato.Mirato");
    }
    BindingRun run(PortalStandIn::gnome48(), program);
    EXPECT_EQ(run.portal.calls,
              (QStringList{"Register org.mirato.Mirato", "CreateSession", kBind}));
    EXPECT_EQ(run.outcome, "bound Alt+R");
    const auto entry = DesktopEntry::load(env.path("data/applications/org.mirato.Mirato.desktop"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->execArguments(), QStringList{program});
}

TEST(PortalShortcutTest, WithoutAPortalItSaysSo) {
    PortalShortcut shortcut(QStringLiteral("org.mirato.Mirato"));
    QList<Problem> problems;
    QObject::connect(&shortcut, &GlobalShortcut::unavailable,
                     [&](Problem why) { problems.append(why); });
    shortcut.bind("Show or hide");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !problems.isEmpty(); }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(problems, QList{Problem::NoPortal});
}

}  // namespace
