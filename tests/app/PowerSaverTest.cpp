#include <gtest/gtest.h>

#include "app/PowerSaver.h"
#include "support/Recorders.h"
#include "support/TestPlatform.h"

using namespace mirato;
using mirato::test::FakeIdleClock;
using mirato::test::RecordingMedia;

namespace {

TEST(PowerSaverTest, PausesAfterFiveIdleMinutesAndResumesOnAMouseMove) {
    RecordingMedia media;
    FakeIdleClock clock;
    std::optional<unsigned long>& idle = clock.idle;
    idle = 4 * 60000 + 59999;
    QPoint mouse(10, 10);
    PowerSaver saver(media, clock, [&] { return mouse; });
    saver.setWanted(true);
    media.state = PlayState::Playing;

    saver.checkIdle();
    EXPECT_TRUE(media.calls.isEmpty());
    idle = std::nullopt;  // the system cannot say
    saver.checkIdle();
    EXPECT_TRUE(media.calls.isEmpty());
    idle = 5 * 60000;
    media.state = PlayState::Paused;  // nothing playing: nothing to pause
    saver.checkIdle();
    EXPECT_TRUE(media.calls.isEmpty());
    media.state = PlayState::Playing;
    saver.checkIdle();
    EXPECT_EQ(media.calls, QStringList{"pause"});
    EXPECT_TRUE(saver.pausedForIdleness());

    saver.checkMouse();  // typing moves no mouse
    EXPECT_EQ(media.calls, QStringList{"pause"});
    mouse = QPoint(11, 10);
    saver.checkMouse();
    EXPECT_EQ(media.calls, (QStringList{"pause", "play"}));
    EXPECT_TRUE(saver.watching());

    saver.setWanted(false);
    EXPECT_FALSE(saver.watching());
    EXPECT_FALSE(saver.pausedForIdleness());
}

// The choice is kept while the desktop cannot tell idle time, and takes effect once it can.
TEST(PowerSaverTest, WatchesOnlyWhileWantedAndTheDesktopCanTell) {
    RecordingMedia media;
    FakeIdleClock clock;
    clock.available = false;
    PowerSaver saver(media, clock, [] { return QPoint(); });
    const struct {
        bool wanted;
        bool available;
        bool watching;
    } steps[] = {{true, false, false},  {true, true, true},   {false, true, false},
                 {false, false, false}, {true, false, false}, {true, true, true}};
    for (const auto& step : steps) {
        saver.setWanted(step.wanted);
        if (clock.available != step.available) {
            clock.available = step.available;
            emit clock.availabilityChanged(step.available);
        }
        EXPECT_EQ(saver.watching(), step.watching)
            << "wanted " << step.wanted << ", available " << step.available;
    }
}

}  // namespace
