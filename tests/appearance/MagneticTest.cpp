#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include "appearance/MagneticGroup.h"
#include "appearance/MagneticLayout.h"

namespace mirato {
namespace {

using Id = MagneticLayout::Id;
constexpr Id kPlayer = 1;
constexpr Id kLyrics = 2;
constexpr Id kOther = 3;
const Edges kScreen{0, 0, 1280, 800};

Edges box(int left, int top, int width = 340, int height = 100) {
    return {left, top, left + width, top + height};
}

TEST(Touching, EdgesMustMeetExactlyWithNoGap) {
    const Edges a = box(100, 100);
    const struct {
        Edges b;
        bool touch;
    } rows[] = {
        {box(100, 200), true},                          // right below, same left
        {box(150, 200), true},                          // below, shifted: bottom meets top
        {box(100, 201), false},                         // one pixel gap
        {box(440, 100), true},                          // beside: right meets left
        {box(441, 100), false}, {box(440, 200), true},  // corner to corner
        {box(120, 120), false},                         // overlapping, no common edge
        {box(100, 150), true},                          // overlapping with the same left edge
        {box(900, 500), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(touching(a, row.b), row.touch) << row.b.left << "," << row.b.top;
        EXPECT_EQ(touching(row.b, a), row.touch) << row.b.left << "," << row.b.top;
    }
}

class MagneticLayoutTest : public ::testing::Test {
protected:
    MagneticLayoutTest() {
        layout.setWorkArea(kScreen);
        layout.add(kPlayer);
        layout.add(kLyrics, kPlayer);
    }
    // Drags window id so that its top-left would land at target without snapping.
    MagneticLayout::Move drag(Id id, QPoint target) {
        const Edges start = layout.rect(id);
        const QPoint grab(start.left + 20, start.top + 10);
        layout.beginMove(id, grab);
        return layout.moveTo(grab + (target - QPoint(start.left, start.top)));
    }
    MagneticLayout layout;
};

TEST_F(MagneticLayoutTest, WindowSnapsToTheWorkAreaStrictlyWithinTheSnapWidth) {
    layout.setRect(kPlayer, box(400, 300));
    layout.setRect(kLyrics, box(400, 600));
    layout.checkGlueing();
    const struct {
        QPoint target;
        QPoint placed;
    } rows[] = {
        {{9, 300}, {0, 300}},
        {{10, 300}, {10, 300}},
        {{-9, 300}, {0, 300}},
        {{931, 300}, {940, 300}},
        {{930, 300}, {930, 300}},
        {{400, 5}, {400, 0}},
        {{400, 705}, {400, 700}},
        {{3, 4}, {0, 0}},
        // Near the lyrics window (not glued): its edges pull too.
        {{400, 495}, {400, 500}},
        {{745, 600}, {740, 600}},
    };
    for (const auto& row : rows) {
        const auto move = drag(kPlayer, row.target);
        EXPECT_EQ(QPoint(move.rect.left, move.rect.top), row.placed)
            << row.target.x() << "," << row.target.y();
        EXPECT_EQ(move.rect.width(), 340);
        EXPECT_TRUE(move.carried.empty());
    }
}

TEST_F(MagneticLayoutTest, GluedWindowTravelsWithItsParentUntilAGapOpens) {
    layout.setRect(kPlayer, box(400, 300));
    layout.setRect(kLyrics, box(400, 400));  // top on the player's bottom
    layout.checkGlueing();
    ASSERT_TRUE(layout.isGlued(kLyrics));
    const auto move = drag(kPlayer, {500, 250});
    EXPECT_EQ(QPoint(move.rect.left, move.rect.top), QPoint(500, 250));
    ASSERT_EQ(move.carried.size(), 1u);
    EXPECT_EQ(move.carried[0].id, kLyrics);
    EXPECT_EQ(move.carried[0].topLeft, QPoint(500, 350));

    // The carried window snaps too: its bottom 5 pixels above the screen's pulls both down.
    const auto low = drag(kPlayer, {500, 595});
    EXPECT_EQ(QPoint(low.rect.left, low.rect.top), QPoint(500, 600));
    EXPECT_EQ(low.carried[0].topLeft, QPoint(500, 700));

    // Dragging the glued window alone moves only it, and it snaps to the player's edges.
    const auto alone = drag(kLyrics, {744, 305});
    EXPECT_EQ(QPoint(alone.rect.left, alone.rect.top), QPoint(740, 300));
    EXPECT_TRUE(alone.carried.empty());

    layout.setRect(kLyrics, box(400, 401));
    layout.checkGlueing();
    EXPECT_FALSE(layout.isGlued(kLyrics));
    EXPECT_TRUE(drag(kPlayer, {500, 250}).carried.empty());
}

TEST_F(MagneticLayoutTest, SiblingTouchingAGluedSiblingIsGluedToo) {
    layout.add(kOther, kPlayer);
    layout.setRect(kPlayer, box(400, 300));
    layout.setRect(kLyrics, box(400, 400));
    layout.setRect(kOther, box(400, 500));  // touches only the lyrics window
    layout.checkGlueing();
    EXPECT_TRUE(layout.isGlued(kOther));
    EXPECT_EQ(drag(kPlayer, {100, 100}).carried.size(), 2u);
}

TEST_F(MagneticLayoutTest, AddingTwiceOrRemovingAStrangerFailsAndRemovingTheParentFreesChildren) {
    EXPECT_FALSE(layout.add(kPlayer));
    EXPECT_FALSE(layout.add(0));
    EXPECT_FALSE(layout.remove(kOther));
    EXPECT_EQ(layout.count(), 2);
    layout.setRect(kPlayer, box(400, 300));
    layout.setRect(kLyrics, box(400, 400));
    layout.checkGlueing();
    ASSERT_TRUE(layout.isGlued(kLyrics));
    EXPECT_TRUE(layout.remove(kPlayer));
    layout.checkGlueing();
    EXPECT_EQ(layout.parentOf(kLyrics), 0u);
    EXPECT_FALSE(layout.isGlued(kLyrics));
    EXPECT_TRUE(layout.add(kPlayer));  // a fresh entry, no longer anyone's parent
    EXPECT_EQ(layout.parentOf(kLyrics), 0u);
}

TEST_F(MagneticLayoutTest, ResizedEdgesSnapOntoOtherEdges) {
    layout.setRect(kPlayer, box(100, 300));  // right edge at 440
    layout.setRect(kLyrics, box(500, 300));  // left edge at 500
    using E = MagneticLayout::ResizeEdge;
    EXPECT_EQ(layout.sizeTo(kPlayer, {100, 300, 492, 400}, E::Right), (Edges{100, 300, 500, 400}));
    EXPECT_EQ(layout.sizeTo(kPlayer, {100, 300, 490, 400}, E::Right), (Edges{100, 300, 490, 400}));
    // The left edge is not dragged, so it stays even near the screen's edge.
    EXPECT_EQ(layout.sizeTo(kPlayer, {5, 300, 492, 400}, E::Right), (Edges{5, 300, 500, 400}));
    EXPECT_EQ(layout.sizeTo(kPlayer, {5, 3, 440, 400}, E::TopLeft), (Edges{0, 0, 440, 400}));
    EXPECT_EQ(layout.sizeTo(kPlayer, {100, 300, 440, 795}, E::Bottom), (Edges{100, 300, 440, 800}));
}

// The windows' side: a drag through WindowDrag carries the glued window along.
TEST(MagneticGroup, DragOfThePlayerCarriesTheGluedLyricsWindow) {
    QWidget player;
    QWidget lyrics;
    new WindowDrag(&player, nullptr);
    player.setGeometry(400, 300, 340, 100);
    lyrics.setGeometry(400, 400, 340, 100);
    auto* group = new MagneticGroup(&player);
    ASSERT_TRUE(group->addWindow(&player));
    ASSERT_TRUE(group->addWindow(&lyrics, &player));
    EXPECT_FALSE(group->addWindow(&lyrics, &player));
    EXPECT_TRUE(group->isGlued(&lyrics));

    auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(global - player.pos()), QPointF(global), Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&player, &event);
    };
    send(QEvent::MouseButtonPress, {420, 310}, Qt::LeftButton);
    send(QEvent::MouseMove, {470, 290}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {470, 290}, Qt::NoButton);
    EXPECT_EQ(player.pos(), QPoint(450, 280));
    EXPECT_EQ(lyrics.pos(), QPoint(450, 380));
    EXPECT_TRUE(group->isGlued(&lyrics));

    EXPECT_TRUE(group->removeWindow(&lyrics));
    EXPECT_FALSE(group->removeWindow(&lyrics));
}

TEST(MagneticGroup, WindowsThatGoAwayLeaveTheGroup) {
    auto* player = new QWidget;
    auto* lyrics = new QWidget;
    new WindowDrag(lyrics, nullptr);
    auto* group = new MagneticGroup(player);
    group->addWindow(player);
    group->addWindow(lyrics, player);
    delete lyrics;          // the group forgets it
    group->checkGlueing();  // and does not touch it again
    lyrics = new QWidget;
    new WindowDrag(lyrics, nullptr);
    group->addWindow(lyrics, player);
    delete player;  // the group goes with its owner; the lyrics window drags on alone
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(lyrics, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(25, 5), QPointF(25, 5), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(lyrics, &move);
    EXPECT_EQ(lyrics->pos().x(), 20);
    delete lyrics;
}

}  // namespace
}  // namespace mirato
