#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include "ThemeArtwork.h"
#include "appearance/SkinFiles.h"
#include "support/TempEnvironment.h"

namespace mirato {
namespace {

using namespace ThemeArtwork;

const QString kRoot = QStringLiteral(MIRATO_TEST_ARTWORK_ROOT);

QSize expectedSize(const QString& file) {
    const bool window = file == QLatin1String("Mirato.bmp") ||
                        file == QLatin1String("Player.bmp") || file == QLatin1String("LrcShow.bmp");
    return window ? QSize(kWindowWidth, kWindowHeight) : QSize(kButtonWidth, kButtonHeight);
}

TEST(ShippedThemes, EveryThemeFolderHasEveryPictureAtItsWindowsSize) {
    for (const QString& theme : SkinFiles::knownThemes()) {
        for (const QString& file : SkinFiles::themeFileNames()) {
            const QImage image(kRoot + "/skin/" + theme + "/" + file);
            ASSERT_FALSE(image.isNull()) << theme.toStdString() << "/" << file.toStdString();
            EXPECT_EQ(image.size(), expectedSize(file))
                << theme.toStdString() << "/" << file.toStdString();
        }
    }
}

TEST(ShippedThemes, StatePicturesDifferVisiblyFromTheNormalOne) {
    for (const QString& theme : SkinFiles::knownThemes()) {
        for (const char* button : {"_", "=", "X"}) {
            const QString base = kRoot + "/skin/" + theme + "/" + button;
            const QImage normal(base + ".bmp");
            for (const char* state : {"down", "move"}) {
                const QImage other(base + state + ".bmp");
                int changed = 0;
                for (int y = 0; y < normal.height(); ++y) {
                    for (int x = 0; x < normal.width(); ++x) {
                        const QRgb a = normal.pixel(x, y), b = other.pixel(x, y);
                        if (std::abs(qGray(a) - qGray(b)) > 12)
                            ++changed;
                    }
                }
                EXPECT_GT(changed, 40) << base.toStdString() << state;
            }
        }
    }
}

// A normal title button must look like the band behind it, or a seam shows around it.
TEST(ThemeArtwork, NormalButtonMatchesTheTitleBandBehindIt) {
    for (const Palette& palette : palettes()) {
        for (SkinFiles::Surface surface :
             {SkinFiles::Surface::CommandBox, SkinFiles::Surface::Player,
              SkinFiles::Surface::Lyrics}) {
            const QImage window = background(palette, surface);
            const QImage button = titleButton(palette, TitleGlyph::Close, ButtonLook::Normal);
            const int left = 250;
            for (int y = 0; y < kButtonHeight; ++y) {
                // The button's first column is band only; compare it with the window's band.
                const QColor inButton = button.pixelColor(0, y);
                const QColor inWindow = window.pixelColor(left, kButtonTop + y);
                EXPECT_NEAR(inButton.red(), inWindow.red(), 2) << y;
                EXPECT_NEAR(inButton.green(), inWindow.green(), 2) << y;
                EXPECT_NEAR(inButton.blue(), inWindow.blue(), 2) << y;
            }
        }
    }
}

TEST(ShippedIcons, IconFilesCarryEverySizeWithTransparency) {
    QStringList files = {kRoot + "/skin/other/run.ico"};
    for (const char* name : {"m3u.ico", "M3u.ico", "mp3.ico", "wma.ico", "wav.ico", "Mid.ico"})
        files.append(kRoot + "/RunIco/" + name);
    for (const QString& file : files) {
        QImageReader reader(file);
        ASSERT_EQ(reader.imageCount(), iconSizes().size()) << file.toStdString();
        QList<int> sizes;
        for (int i = 0; i < reader.imageCount(); ++i) {
            ASSERT_TRUE(reader.jumpToImage(i));
            const QImage image = reader.read();
            ASSERT_FALSE(image.isNull()) << file.toStdString() << " #" << i;
            sizes.append(image.width());
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << file.toStdString() << " corner";
            EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255)
                << file.toStdString() << " centre";
        }
        EXPECT_EQ(sizes, iconSizes()) << file.toStdString();
    }
}

TEST(ThemeArtwork, WriteThemeFailsCleanlyWhereItCannotWrite) {
    test::TempEnvironment env;
    env.writeFile("blocked", "a file, not a folder");
    EXPECT_FALSE(writeTheme(palettes().front(), env.path("blocked/Blue")));
}

}  // namespace
}  // namespace mirato
