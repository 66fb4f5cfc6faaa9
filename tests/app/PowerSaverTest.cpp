#include <gtest/gtest.h>

#include "app/PowerSaver.h"
#include "support/Recorders.h"

using namespace mirato;
using mirato::test::RecordingMedia;

namespace {

TEST(PowerSaverTest, PausesAfterFiveIdleMinutesAndResumesOnAMouseMove) {
    RecordingMedia media;
    std::optional<unsigned long> idle = 4 * 60000 + 59999;
    QPoint mouse(10, 10);
    PowerSaver saver(
        media, [&] { return idle; }, [&] { return mouse; });
    saver.setEnabled(true);
    media.state = MediaControl::kPlaying;

    saver.checkIdle();
    EXPECT_TRUE(media.calls.isEmpty());
    idle = std::nullopt;  // the system cannot say
    saver.checkIdle();
    EXPECT_TRUE(media.calls.isEmpty());
    idle = 5 * 60000;
    media.state = MediaControl::kPaused;  // nothing playing: nothing to pause
    saver.checkIdle();
    EXPECT_TRUE(media.calls.isEmpty());
    media.state = MediaControl::kPlaying;
    saver.checkIdle();
    EXPECT_EQ(media.calls, QStringList{"pause"});
    EXPECT_TRUE(saver.pausedForIdleness());

    saver.checkMouse();  // typing moves no mouse
    EXPECT_EQ(media.calls, QStringList{"pause"});
    mouse = QPoint(11, 10);
    saver.checkMouse();
    EXPECT_EQ(media.calls, (QStringList{"pause", "play"}));
    EXPECT_TRUE(saver.watching());

    saver.setEnabled(false);
    EXPECT_FALSE(saver.watching());
    EXPECT_FALSE(saver.pausedForIdleness());
}

}  // namespace
