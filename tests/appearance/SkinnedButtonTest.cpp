#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "appearance/SkinnedButton.h"

namespace mirato {
namespace {

int differingPixels(const QImage& a, const QImage& b, int tolerance) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > tolerance)
                ++count;
    return count;
}

TEST(SkinnedButtonGeometry, NineSlicesCoverA75By25Button) {
    const auto slices = SkinnedButton::nineSlice(SkinnedButton::Pressed, {75, 25});
    EXPECT_EQ(slices[4].target, QRect(4, 5, 67, 15));  // the centre
    EXPECT_EQ(slices[4].source, QRect(4, 42 + 5, 1, 11));
    EXPECT_EQ(slices[2].target, QRect(71, 0, 4, 5));
    EXPECT_EQ(slices[8].target, QRect(71, 20, 4, 5));
    QRegion covered;
    int area = 0;
    for (const auto& slice : slices) {
        covered += slice.target;
        area += slice.target.width() * slice.target.height();
    }
    EXPECT_EQ(covered, QRegion(0, 0, 75, 25));
    EXPECT_EQ(area, 75 * 25);  // no overlaps

    const QRegion shape = SkinnedButton::roundedRegion({75, 25});
    EXPECT_EQ(shape.boundingRect(), QRect(0, 0, 75, 25));
    for (QPoint corner : {QPoint(0, 0), QPoint(74, 0), QPoint(0, 24), QPoint(74, 24)})
        EXPECT_FALSE(shape.contains(corner)) << corner.x() << "," << corner.y();
    for (QPoint inside : {QPoint(1, 0), QPoint(0, 1), QPoint(73, 24), QPoint(37, 12)})
        EXPECT_TRUE(shape.contains(inside)) << inside.x() << "," << inside.y();
}

TEST(SkinnedButtonTemplate, TilesHaveTheirBorders) {
    QPushButton holder;  // the template exists while a button is skinned
    SkinnedButton::skinWindow(&holder);
    const QImage& t = SkinnedButton::templatePicture();
    ASSERT_EQ(t.size(), QSize(9, 84));
    // The rounded corners fade into the border: mirrored left and right.
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(t.pixel(x, 0), t.pixel(8 - x, 0)) << x;
    for (int tile = 0; tile < 3; ++tile) {
        for (int y = 3; y <= 17; ++y) {
            EXPECT_EQ(t.pixelColor(0, 21 * tile + y), QColor(27, 143, 213));
            EXPECT_EQ(t.pixelColor(8, 21 * tile + y), QColor(27, 143, 213));
        }
    }
    EXPECT_EQ(t.pixelColor(0, 63 + 10), QColor(191, 191, 191));
    EXPECT_GT(qGray(t.pixel(4, 1)), qGray(t.pixel(4, 19)));   // normal: light top, darker bottom
    EXPECT_LT(qGray(t.pixel(4, 43)), qGray(t.pixel(4, 61)));  // pressed: the other way round
}

class SkinnedButtonTest : public ::testing::Test {
protected:
    SkinnedButtonTest() {
        window.resize(200, 60);
        button->setGeometry(10, 10, 75, 25);
        SkinnedButton::skinWindow(&window);
    }
    void send(QEvent::Type type) {
        QMouseEvent event(type, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(button, &event);
    }

    QWidget window;
    QPushButton* button = new QPushButton(QStringLiteral("OK"), &window);
};

TEST_F(SkinnedButtonTest, SkinningTwiceChangesNothingAndUnskinningRestores) {
    SkinnedButton* skin = SkinnedButton::of(button);
    ASSERT_NE(skin, nullptr);
    const int count = SkinnedButton::skinnedCount();
    SkinnedButton::skinWindow(&window);
    SkinnedButton::skinWindow(button);
    EXPECT_EQ(SkinnedButton::of(button), skin);
    EXPECT_EQ(SkinnedButton::skinnedCount(), count);
    EXPECT_EQ(button->mask(), SkinnedButton::roundedRegion({75, 25}));

    SkinnedButton::unskinWindow(&window);
    EXPECT_EQ(SkinnedButton::of(button), nullptr);
    EXPECT_EQ(SkinnedButton::skinnedCount(), count - 1);
    EXPECT_TRUE(button->mask().isEmpty());
}

TEST_F(SkinnedButtonTest, ResizeDrawsThePicturesAgainAtTheNewSize) {
    window.show();
    button->resize(90, 30);
    const SkinnedButton* skin = SkinnedButton::of(button);
    EXPECT_EQ(skin->picture(SkinnedButton::Normal).size(), QSize(90, 30));
    EXPECT_EQ(skin->shown().size(), QSize(90, 30));
    EXPECT_EQ(button->mask(), SkinnedButton::roundedRegion({90, 30}));
}

TEST_F(SkinnedButtonTest, HoverFadesInAndLeavesNoTimer) {
    SkinnedButton* skin = SkinnedButton::of(button);
    send(QEvent::MouseMove);
    EXPECT_EQ(skin->state(), SkinnedButton::Hover);
    EXPECT_EQ(skin->alphaLevel(), 70);
    EXPECT_TRUE(skin->fading());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !skin->fading(); }, 3000));
    EXPECT_EQ(skin->alphaLevel(), 0);
    EXPECT_LE(differingPixels(skin->shown(), skin->picture(SkinnedButton::Hover), 2), 0);

    send(QEvent::MouseButtonPress);
    EXPECT_EQ(skin->state(), SkinnedButton::Pressed);
    EXPECT_EQ(skin->alphaLevel(), 10);
    send(QEvent::MouseButtonRelease);
    EXPECT_EQ(skin->state(), SkinnedButton::Normal);
    EXPECT_EQ(skin->alphaLevel(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !skin->fading(); }, 3000));
}

TEST_F(SkinnedButtonTest, DisabledShowsTheGreyPictureAtOnce) {
    SkinnedButton* skin = SkinnedButton::of(button);
    send(QEvent::MouseMove);
    button->setEnabled(false);
    EXPECT_EQ(skin->state(), SkinnedButton::Disabled);
    EXPECT_FALSE(skin->fading());
    EXPECT_EQ(skin->shown(), skin->picture(SkinnedButton::Disabled));
    // The caption is grey: no black pixels, some mid-grey ones.
    const QImage& grey = skin->picture(SkinnedButton::Disabled);
    bool black = false;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            black = black || qGray(grey.pixel(x, y)) < 60;
    EXPECT_FALSE(black);
    EXPECT_GT(differingPixels(skin->picture(SkinnedButton::Normal), grey, 20), 20);

    button->setEnabled(true);
    EXPECT_EQ(skin->state(), SkinnedButton::Normal);
    EXPECT_EQ(skin->shown(), skin->picture(SkinnedButton::Normal));
}

TEST_F(SkinnedButtonTest, CaptionWiderThanTheButtonIsCutNotSpilled) {
    button->setText(QString(60, QLatin1Char('W')));
    SkinnedButton::unskinWindow(button);
    SkinnedButton::skinWindow(button);
    const QImage& picture = SkinnedButton::of(button)->picture(SkinnedButton::Normal);
    // The two outermost columns on each side keep the frame: no text reaches them.
    const QImage empty = [&] {
        QPushButton plain;
        plain.resize(75, 25);
        SkinnedButton::skinWindow(&plain);
        return SkinnedButton::of(&plain)->picture(SkinnedButton::Normal);
    }();
    for (int y = 0; y < 25; ++y)
        for (int x : {0, 1, 73, 74})
            EXPECT_EQ(picture.pixel(x, y), empty.pixel(x, y)) << x << "," << y;
    EXPECT_GT(differingPixels(picture, empty, 60), 30);  // but text is drawn
}

TEST_F(SkinnedButtonTest, MessageBoxOverASkinnedWindowGetsSkinnedButtons) {
    window.show();
    window.activateWindow();
    QMessageBox box(QMessageBox::Information, "t", "text", QMessageBox::Ok, &window);
    box.show();
    box.activateWindow();
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ASSERT_TRUE(QTest::qWaitFor([&] { return SkinnedButton::of(ok) != nullptr; }, 2000));
}

}  // namespace
}  // namespace mirato
