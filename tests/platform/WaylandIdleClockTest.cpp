#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/wayland/WaylandIdleClock.h"
#include "support/StandInCompositor.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::StandInCompositor;

namespace {

TEST(WaylandIdleClockTest, CountsFromTheCompositorsNoticeUntilTheUserIsBack) {
    mirato::test::TempEnvironment env;
    StandInCompositor compositor;
    ASSERT_FALSE(compositor.socket().isEmpty());
    WaylandIdleClock clock(compositor.socket(), 2000);
    ASSERT_TRUE(clock.isAvailable());
    ASSERT_TRUE(QTest::qWaitFor([&] { return compositor.notifications() == 1; }));
    EXPECT_EQ(compositor.latestNoticeMs(), 2000u);
    EXPECT_EQ(clock.idleMilliseconds(), 0ul);  // not idle for the notice yet

    compositor.goIdle();  // the user has been idle for the notice
    ASSERT_TRUE(QTest::qWaitFor([&] { return clock.idleMilliseconds() >= 2000ul; }));
    QTest::qWait(50);
    EXPECT_GE(*clock.idleMilliseconds(), 2050ul);  // and the count goes on from there

    compositor.resume();
    ASSERT_TRUE(QTest::qWaitFor([&] { return clock.idleMilliseconds() == 0ul; }));
}

// A compositor without the protocol, none at all, or one that goes away: the clock says it
// cannot tell, and the program asks elsewhere or disables power saving.
TEST(WaylandIdleClockTest, IsUnavailableWhereTheCompositorCannotTell) {
    mirato::test::TempEnvironment env;
    {
        StandInCompositor withoutIdle(false);
        WaylandIdleClock clock(withoutIdle.socket());
        EXPECT_FALSE(clock.isAvailable());
        EXPECT_EQ(clock.idleMilliseconds(), std::nullopt);
    }
    {
        WaylandIdleClock clock("no-such-compositor");
        EXPECT_FALSE(clock.isAvailable());
    }
    StandInCompositor compositor;
    WaylandIdleClock clock(compositor.socket());
    ASSERT_TRUE(clock.isAvailable());
    QSignalSpy changed(&clock, &IdleClock::availabilityChanged);
    compositor.dropClients();
    ASSERT_TRUE(changed.wait(5000));
    EXPECT_EQ(changed.first().first().toBool(), false);
    EXPECT_FALSE(clock.isAvailable());
    EXPECT_EQ(clock.idleMilliseconds(), std::nullopt);
}

}  // namespace
