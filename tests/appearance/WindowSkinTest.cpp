#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include "appearance/TitleButton.h"
#include "appearance/WindowSkin.h"
#include "support/TempEnvironment.h"
#include "support/ThemeFolder.h"

namespace mirato {
namespace {

using test::solidColour;

QColor colourOf(const QPixmap& picture) {
    return picture.isNull() ? QColor() : QColor(picture.toImage().pixel(5, 5));
}

// A player-like window: background, three title buttons and a label that takes the mouse.
class WindowSkinTest : public ::testing::Test {
protected:
    WindowSkinTest() {
        window.resize(340, 100);
        minimise->setGeometry(250, 6, 22, 20);
        maximise->setGeometry(280, 6, 22, 20);
        close->setGeometry(310, 6, 22, 20);
        label->setGeometry(10, 40, 100, 20);
        skin.setButtons(minimise, maximise, close);
        test::writeSolidTheme(skins(), "A", 0);
    }
    QString skins() const { return env.path("skin"); }
    static void move(QWidget* target, QPoint at) {
        QMouseEvent event(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }

    test::TempEnvironment env;
    QWidget window;
    WindowSkin skin{window, SkinFiles::Surface::Player};
    TitleButton* minimise = new TitleButton(Glyph::Minimise, &window);
    TitleButton* maximise = new TitleButton(Glyph::FullScreen, &window);
    TitleButton* close = new TitleButton(Glyph::Close, &window);
    QLabel* label = new QLabel(QStringLiteral("lyric"), &window);
};

TEST_F(WindowSkinTest, EveryPictureGoesToItsControl) {
    ASSERT_TRUE(skin.apply(skins(), "A", WindowSkin::OnMissing::Stop));
    EXPECT_EQ(colourOf(skin.background()), solidColour("Player.bmp", 0));
    const struct {
        TitleButton* button;
        const char* normal;
        const char* pressed;
        const char* hover;
    } rows[] = {{minimise, "_.bmp", "_down.bmp", "_move.bmp"},
                {maximise, "=.bmp", "=down.bmp", "=move.bmp"},
                {close, "X.bmp", "Xdown.bmp", "Xmove.bmp"}};
    for (const auto& row : rows) {
        EXPECT_EQ(colourOf(row.button->picture()), solidColour(row.normal, 0)) << row.normal;
        EXPECT_EQ(colourOf(row.button->normalPicture()), solidColour(row.normal, 0));
        EXPECT_EQ(colourOf(row.button->pressedPicture()), solidColour(row.pressed, 0));
        EXPECT_EQ(colourOf(row.button->hoverPicture()), solidColour(row.hover, 0));
    }
}

// A picture missing from the next theme: stopping keeps every later picture of the old theme;
// skipping keeps only the missing one.
TEST_F(WindowSkinTest, MissingPictureStopsOrIsSkipped) {
    for (auto onMissing : {WindowSkin::OnMissing::Stop, WindowSkin::OnMissing::Skip}) {
        ASSERT_TRUE(skin.apply(skins(), "A", onMissing));
        test::writeSolidTheme(skins(), "B", 1, {"_move.bmp"});
        EXPECT_FALSE(skin.apply(skins(), "B", onMissing));
        const bool stop = onMissing == WindowSkin::OnMissing::Stop;
        EXPECT_EQ(colourOf(skin.background()), solidColour("Player.bmp", 1));
        EXPECT_EQ(colourOf(minimise->pressedPicture()), solidColour("_down.bmp", 1));
        EXPECT_EQ(colourOf(minimise->hoverPicture()), solidColour("_move.bmp", 0));
        EXPECT_EQ(colourOf(minimise->normalPicture()), solidColour("_.bmp", stop ? 0 : 1));
        EXPECT_EQ(colourOf(close->picture()), solidColour("X.bmp", stop ? 0 : 1));
        EXPECT_EQ(colourOf(maximise->hoverPicture()), solidColour("=move.bmp", stop ? 0 : 1));
    }
}

TEST_F(WindowSkinTest, ThemeFolderThatDoesNotExistChangesNothingAndRunsOn) {
    ASSERT_TRUE(skin.apply(skins(), "A", WindowSkin::OnMissing::Stop));
    EXPECT_FALSE(skin.apply(skins(), "NoSuchTheme", WindowSkin::OnMissing::Skip));
    EXPECT_EQ(colourOf(close->picture()), solidColour("X.bmp", 0));
}

TEST_F(WindowSkinTest, ButtonKeepsHoverUntilTheMouseMovesOverTheBackground) {
    ASSERT_TRUE(skin.apply(skins(), "A", WindowSkin::OnMissing::Stop));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), close->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(close, &press);
    EXPECT_EQ(colourOf(close->picture()), solidColour("Xdown.bmp", 0));
    move(close, {6, 6});
    EXPECT_EQ(colourOf(close->picture()), solidColour("Xmove.bmp", 0));
    move(minimise, {3, 3});
    EXPECT_EQ(colourOf(minimise->picture()), solidColour("_move.bmp", 0));

    // Another control is not the background: both keep their hover pictures.
    move(label, {5, 5});
    EXPECT_EQ(colourOf(close->picture()), solidColour("Xmove.bmp", 0));
    move(&window, label->geometry().center());
    EXPECT_EQ(colourOf(close->picture()), solidColour("Xmove.bmp", 0));

    move(&window, {150, 80});
    EXPECT_EQ(colourOf(close->picture()), solidColour("X.bmp", 0));
    EXPECT_EQ(colourOf(minimise->picture()), solidColour("_.bmp", 0));
}

TEST(WindowSkinColours, TextReadsOnLightAndDeepGrounds) {
    test::TempEnvironment env;
    QWidget window;
    window.resize(340, 100);
    WindowSkin skin(window, SkinFiles::Surface::CommandBox);
    EXPECT_EQ(skin.textColorOver({0, 0, 50, 20}), QColor(Qt::white));  // no picture yet

    QImage picture(340, 100, QImage::Format_RGB32);
    picture.fill(QColor(0x20, 0x40, 0x90));
    for (int y = 50; y < 100; ++y)
        for (int x = 0; x < 340; ++x)
            picture.setPixelColor(x, y, QColor(0xf0, 0xf4, 0xff));
    QDir().mkpath(env.path("skin/T"));
    picture.save(env.path("skin/T/Mirato.bmp"), "BMP");
    skin.apply(env.path("skin"), "T", WindowSkin::OnMissing::Skip);
    EXPECT_EQ(skin.textColorOver({10, 10, 100, 20}), QColor(Qt::white));
    const QColor onLight = skin.textColorOver({10, 60, 100, 20});
    EXPECT_LT(onLight.lightnessF(), 0.3);
    EXPECT_NEAR(onLight.hslHueF(), QColor(0xf0, 0xf4, 0xff).hslHueF(), 0.05);
}

}  // namespace
}  // namespace mirato
