#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/dbus/SessionBusIdleClock.h"
#include "support/DesktopStandIns.h"

using namespace mirato;
using mirato::test::IdleStandIn;

namespace {

// Waits until the clock has a reply and gives the idle time it then reports.
std::optional<unsigned long> settledIdle(SessionBusIdleClock& clock) {
    if (!QTest::qWaitFor([&] { return clock.idleMilliseconds().has_value(); }, 3000))
        return std::nullopt;
    QTest::qWait(50);
    return clock.idleMilliseconds();
}

TEST(SessionBusIdleClockTest, AsksWhicheverServiceTheDesktopHas) {
    for (const IdleStandIn::Kind kind :
         {IdleStandIn::Kind::ScreenSaver, IdleStandIn::Kind::Mutter}) {
        IdleStandIn desktop(kind);
        ASSERT_TRUE(desktop.start());
        desktop.idleMs = 400000;
        SessionBusIdleClock clock;
        const auto idle = settledIdle(clock);
        ASSERT_TRUE(idle.has_value());
        EXPECT_GE(*idle, 400000u);
        EXPECT_LT(*idle, 410000u);
        EXPECT_TRUE(clock.isAvailable());
        // A touch of the keyboard shows in the next answers.
        desktop.idleMs = 20;
        (void)QTest::qWaitFor([&] { return clock.idleMilliseconds().value_or(0) < 5000; }, 3000);
        EXPECT_LT(clock.idleMilliseconds().value_or(999999), 5000u);
    }
}

TEST(SessionBusIdleClockTest, ADesktopWithoutIdleTimeMakesItUnavailable) {
    SessionBusIdleClock clock;
    QSignalSpy changed(&clock, &IdleClock::availabilityChanged);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !clock.isAvailable(); }, 5000));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(clock.idleMilliseconds().has_value());
}

}  // namespace
