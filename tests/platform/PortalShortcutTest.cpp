#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/portal/PortalShortcut.h"
#include "support/DesktopStandIns.h"

using namespace mirato;
using mirato::test::PortalStandIn;
using Problem = GlobalShortcut::Problem;

namespace {

// The backend against a stand-in portal on the private session bus, until it has answered.
struct BindingRun {
    explicit BindingRun(PortalStandIn::Options options) : portal(options) {
        started = portal.start();
        QObject::connect(&shortcut, &GlobalShortcut::bound, [this](const QString& trigger) {
            outcome = QStringLiteral("bound ") + trigger;
        });
        QObject::connect(&shortcut, &GlobalShortcut::unavailable, [this](Problem why) {
            problem = why;
            outcome = "unavailable";
        });
        shortcut.bind(QStringLiteral("Show or hide the Mirato box"));
        answered = QTest::qWaitFor([this] { return !outcome.isEmpty(); }, 5000);
    }
    PortalStandIn portal;
    PortalShortcut shortcut{QStringLiteral("org.mirato.Mirato")};
    bool started = false;
    bool answered = false;
    QString outcome;
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
         O{false, 1},
         {"CreateSession", kBind},
         "bound Alt+R",
         {},
         false},
        {"answer before the reply",
         O{true, 2, 0, 0, true, true},
         {reg, "CreateSession", kBind},
         "bound Alt+R",
         {},
         true},
        {"session refused",
         O{true, 2, 1},
         {reg, "CreateSession"},
         "unavailable",
         Problem::Refused,
         false},
        {"binding cancelled by the user",
         O{true, 2, 0, 1},
         {reg, "CreateSession", kBind},
         "unavailable",
         Problem::Refused,
         false},
        {"binding answered with nothing bound",
         O{true, 2, 0, 0, false},
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
        if (row.outcome == "unavailable")
            continue;
        // A changeable trigger is a version 2 portal's own dialog.
        EXPECT_EQ(run.shortcut.canChangeTrigger(), row.changeable);
        run.shortcut.changeTrigger();
        QTest::qWait(50);
        EXPECT_EQ(run.portal.calls.contains("ConfigureShortcuts"), row.changeable);
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
    QTest::qWait(100);
    EXPECT_EQ(activated.count(), 1);

    // The session lasts until the program lets go of it.
    run.portal.session = ourSession;
    run.shortcut.release();
    QTest::qWait(100);
    EXPECT_EQ(run.portal.calls.last(), "Close");
    run.portal.activate();
    QTest::qWait(100);
    EXPECT_EQ(activated.count(), 1);
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
