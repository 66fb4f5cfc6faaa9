#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "core/Settings.h"
#include "support/TempEnvironment.h"

using mirato::Settings;
using mirato::test::TempEnvironment;

namespace {

TEST(SettingsTest, FileLivesInWindirElseInTheConfigFolder) {
    TempEnvironment env;
    EXPECT_EQ(Settings::filePath(), env.path("Mirato.dat"));

    env.unset("windir");
    env.set("XDG_CONFIG_HOME", env.path("config"));
    EXPECT_EQ(Settings::filePath(), env.path("config/mirato/Mirato.dat"));

    env.unset("XDG_CONFIG_HOME");
    EXPECT_EQ(Settings::filePath(), QDir::homePath() + "/.config/mirato/Mirato.dat");

    // The path is worked out again at every call.
    env.set("windir", env.path("other"));
    ASSERT_TRUE(Settings::write("Skin", "Green"));
    EXPECT_EQ(env.readFile("other/Mirato.dat"), "[Option]\nSkin=Green\n");
}

// A value already stored is not written again: the file (its inode) stays the same one.
TEST(SettingsTest, UnchangedValueLeavesTheFileAlone) {
    TempEnvironment env;
    auto inode = [&] {
        struct stat info {};
        ::stat(QFile::encodeName(env.path("Mirato.dat")).constData(), &info);
        return info.st_ino;
    };
    ASSERT_TRUE(Settings::write("TM", "180"));
    const auto first = inode();
    EXPECT_TRUE(Settings::write("TM", "180"));
    EXPECT_EQ(inode(), first);
    EXPECT_TRUE(Settings::write("TM", "100"));
    EXPECT_NE(inode(), first);
    EXPECT_EQ(env.readFile("Mirato.dat"), "[Option]\nTM=100\n");
}

TEST(SettingsTest, HeldWritesAreReadBackAndStoredInOrderWhenTheLastHoldEnds) {
    TempEnvironment env;
    ASSERT_TRUE(Settings::write("Skin", "Blue"));
    {
        Settings::Hold outer;
        {
            Settings::Hold inner;
            EXPECT_TRUE(Settings::write("TM", "180"));
            EXPECT_TRUE(Settings::write("Skin", "Green"));
            EXPECT_TRUE(Settings::write("Long", QString(200, 'x')));
        }
        EXPECT_EQ(env.readFile("Mirato.dat"), "[Option]\nSkin=Blue\n");
        EXPECT_EQ(Settings::read("SKIN"), "Green");
        EXPECT_EQ(Settings::read("TM"), "180");
        EXPECT_EQ(Settings::read("Long"), QString(127, 'x'));
        EXPECT_EQ(Settings::read("Language"), "");
    }
    EXPECT_EQ(QString::fromUtf8(env.readFile("Mirato.dat")),
              "[Option]\nSkin=Green\nTM=180\nLong=" + QString(128, 'x') + "\n");
    ASSERT_TRUE(Settings::write("TM", "90"));  // no hold left: straight to the file
    EXPECT_EQ(Settings::read("TM"), "90");
}

TEST(SettingsTest, OnlyTheExactWordTrueIsTrue) {
    TempEnvironment env;
    const std::pair<const char*, bool> cases[] = {
        {"True", true}, {"true", false}, {"TRUE", false},
        {"1", false},   {"", false},     {" True ", true},  // blanks are trimmed by every read
    };
    for (const auto& [stored, expected] : cases) {
        Settings::write("RPlay", stored);
        EXPECT_EQ(Settings::readBool("RPlay"), expected) << stored;
    }
    EXPECT_FALSE(Settings::readBool("Missing"));
    Settings::writeBool("bTopMost", true);
    EXPECT_EQ(Settings::read("bTopMost"), "True");
    Settings::writeBool("bTopMost", false);
    EXPECT_EQ(Settings::read("bTopMost"), "False");
}

TEST(SettingsTest, PositionsRoundTripAndIgnoreWhatIsNoNumber) {
    TempEnvironment env;
    ASSERT_TRUE(Settings::savePosition("wl", 4320, 7215.5));
    EXPECT_EQ(env.readFile("Mirato.dat"), "[Option]\nwl.top=4320\nwl.left=7215.5\n");
    auto position = Settings::readPosition("wl");
    EXPECT_EQ(position.top, 4320);
    EXPECT_EQ(position.left, 7215.5);

    Settings::write("player.top", "abc");
    Settings::write("player.left", "-300");
    position = Settings::readPosition("player");
    EXPECT_FALSE(position.top.has_value());
    EXPECT_EQ(position.left, -300);

    position = Settings::readPosition("LrcShow");
    EXPECT_FALSE(position.top.has_value());
    EXPECT_FALSE(position.left.has_value());
}

TEST(SettingsTest, TwipsConvertAtFifteenPerPixel) {
    EXPECT_EQ(Settings::twipsToPixels(5100), 340);
    EXPECT_EQ(Settings::twipsToPixels(1500), 100);
    EXPECT_EQ(Settings::pixelsToTwips(340), 5100);
    EXPECT_EQ(Settings::twipsToPixels(1e300), 1000000);  // a hand-edited value stays on earth
}

}  // namespace
