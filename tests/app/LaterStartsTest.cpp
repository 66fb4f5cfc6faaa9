#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include "app/LaterStarts.h"
#include "core/AppState.h"
#include "core/Strings.h"
#include "support/Recorders.h"

using namespace mirato;
using namespace mirato::test;
using namespace std::chrono_literals;

namespace {

struct Outcome {
    QStringList announced;
    QStringList arrived;
    int toggles = 0;
    int balloons = 0;
};

// A later start sends "Count" and then what it was started with, if anything.
TEST(LaterStartsTest, EachKindOfLaterStart) {
    const struct {
        const char* name;
        QStringList commands;
        Outcome expected;
    } cases[] = {
        {"bare", {"Count"}, {{}, {}, 0, 1}},
        {"with a song",
         {"Count", "CommandLine=\"/music/a b.mp3\""},
         {{"/music/a b.mp3"}, {"/music/a b.mp3"}, 0, 0}},
        {"two documents: the last wins",
         {"CommandLine=/a.mp3", "CommandLine=/b.mp3"},
         {{"/a.mp3", "/b.mp3"}, {"/b.mp3"}, 0, 0}},
        {"toggle", {"Toggle"}, {{}, {}, 1, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state;
        state.setLanguage(Language::English);
        RecordingNotifier notifier;
        LaterStarts starts(state, notifier, {.handover = 0ms, .balloon = 0ms});
        Outcome actual;
        QObject::connect(&starts, &LaterStarts::documentAnnounced,
                         [&](const QString& d) { actual.announced << d; });
        QObject::connect(&starts, &LaterStarts::documentArrived,
                         [&](const QString& d) { actual.arrived << d; });
        QObject::connect(&starts, &LaterStarts::toggleRequested, [&] { ++actual.toggles; });
        QSignalSpy boxWanted(&starts, &LaterStarts::boxWanted);
        for (const QString& command : c.commands)
            starts.execute(command);
        ASSERT_TRUE(QTest::qWaitFor([&] { return starts.settled(); }, 3000));
        EXPECT_EQ(actual.announced, c.expected.announced);
        EXPECT_EQ(actual.arrived, c.expected.arrived);
        EXPECT_EQ(actual.toggles, c.expected.toggles);
        EXPECT_EQ(notifier.balloons.size(), c.expected.balloons);
        if (c.expected.balloons) {
            EXPECT_EQ(notifier.balloons.first(),
                      Strings::message(Language::English, MessageCode::AlreadyRunning));
        }
        const bool bare = c.expected.balloons == 1;
        EXPECT_EQ(boxWanted.count(), bare && !QSystemTrayIcon::isSystemTrayAvailable() ? 1 : 0);
        EXPECT_EQ(state.pendingDocument(), "");
    }
}

}  // namespace
