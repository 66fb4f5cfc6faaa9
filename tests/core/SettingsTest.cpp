#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "platform/FileStamp.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;

namespace {

TEST(SettingsTest, FileLivesInWindirElseInTheConfigFolder) {
    TempEnvironment env;
    EXPECT_EQ(Settings::defaultFilePath(), env.path("Mirato.dat"));
    EXPECT_FALSE(QFile::exists(env.path("Mirato.dat")));  // looked at, not left behind

    // A windir the program may not write to (Windows' own folder): the roaming folder.
    env.set("APPDATA", env.path("roaming"));
    env.set("windir", env.path("no such folder"));
    EXPECT_EQ(Settings::defaultFilePath(), env.path("roaming/Mirato/Mirato.dat"));
    env.unset("APPDATA");
    env.set("windir", env.path());

    env.unset("windir");
    env.set("XDG_CONFIG_HOME", env.path("config"));
    EXPECT_EQ(Settings::defaultFilePath(), env.path("config/mirato/Mirato.dat"));
    Settings settings(Settings::defaultFilePath());
    ASSERT_TRUE(settings.write("Skin", "Green"));  // the folder is made by the first write
    EXPECT_EQ(env.readFile("config/mirato/Mirato.dat"), "[Option]\nSkin=Green\n");

    env.unset("XDG_CONFIG_HOME");
    EXPECT_EQ(Settings::defaultFilePath(), QDir::homePath() + "/.config/mirato/Mirato.dat");
}

// Plug-ins write the file too: a read sees what they wrote, however soon after the last read.
TEST(SettingsTest, ReadsFollowTheFileWhenAnotherWriterChangesIt) {
    TempEnvironment env;
    Settings settings(env.path("Mirato.dat"));
    EXPECT_EQ(settings.read("LRC"), "");  // no file yet
    Settings plugin(env.path("Mirato.dat"));
    ASSERT_TRUE(plugin.write("LRC", "first line"));
    EXPECT_EQ(settings.read("LRC"), "first line");
    ASSERT_TRUE(plugin.write("LRC", "other line"));  // same size, same clock tick
    EXPECT_EQ(settings.read("lrc"), "other line");
    // Written in place, the way a plain text editor saves.
    QFile file(env.path("Mirato.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Option]\nLRC=edited by hand\n");
    file.close();
    EXPECT_EQ(settings.read("LRC"), "edited by hand");
    QFile::remove(env.path("Mirato.dat"));
    EXPECT_EQ(settings.read("LRC"), "");
}

// A value already stored is not written again: the file stays the same one.
TEST(SettingsTest, UnchangedValueLeavesTheFileAlone) {
    TempEnvironment env;
    const auto stamp = [&] { return FileStamp::of(env.path("Mirato.dat")); };
    Settings settings(env.path("Mirato.dat"));
    ASSERT_TRUE(settings.write("TM", "180"));
    const auto first = stamp();
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(settings.write("TM", "180"));
    EXPECT_EQ(stamp(), first);
    EXPECT_TRUE(settings.write("TM", "100"));
    EXPECT_NE(stamp(), first);
    EXPECT_EQ(env.readFile("Mirato.dat"), "[Option]\nTM=100\n");
}

TEST(SettingsTest, HeldWritesAreReadBackAndStoredInOrderWhenTheLastHoldEnds) {
    TempEnvironment env;
    Settings settings(env.path("Mirato.dat"));
    ASSERT_TRUE(settings.write("Skin", "Blue"));
    {
        Settings::Hold outer(settings);
        {
            Settings::Hold inner(settings);
            EXPECT_TRUE(settings.write("TM", "180"));
            EXPECT_TRUE(settings.write("Skin", "Green"));
            EXPECT_TRUE(settings.write("Long", QString(200, 'x')));
        }
        EXPECT_EQ(env.readFile("Mirato.dat"), "[Option]\nSkin=Blue\n");
        EXPECT_EQ(settings.read("SKIN"), "Green");
        EXPECT_EQ(settings.read("TM"), "180");
        EXPECT_EQ(settings.read("Long"), QString(127, 'x'));
        EXPECT_EQ(settings.read("Language"), "");
    }
    EXPECT_EQ(QString::fromUtf8(env.readFile("Mirato.dat")),
              "[Option]\nSkin=Green\nTM=180\nLong=" + QString(128, 'x') + "\n");
    ASSERT_TRUE(settings.write("TM", "90"));  // no hold left: straight to the file
    EXPECT_EQ(settings.read("TM"), "90");
}

// Hand-edited or plug-in-written texts read as a value or as the key's fallback; a value a
// window cannot take (a vanishing opacity, a volume past the ends) never comes out.
TEST(SettingsTest, StoredTextsReadAsAValueOrTheFallback) {
    using namespace SettingKeys;
    TempEnvironment env;
    Settings settings(env.path("Mirato.dat"));
    const auto check = [&](const auto& setting, const char* stored, auto expected) {
        settings.write(setting.key, QString::fromUtf8(stored));
        EXPECT_EQ(settings.get(setting), expected) << setting.key.data() << "=" << stored;
    };
    for (const auto& [stored, on] : {std::pair{"True", true},
                                     {"true", false},
                                     {"TRUE", false},
                                     {"1", false},
                                     {"", false},
                                     {" True ", true}})
        check(kRepeat, stored, on);
    for (const auto& [stored, on] :
         {std::pair{"", true}, {"False", false}, {"True", true}, {"no", true}})
        check(kDesktopAnswers, stored, on);
    for (const auto& [stored, language] : {std::pair{"1", Language::SimplifiedChinese},
                                           {"2", Language::TraditionalChinese},
                                           {"3", Language::English},
                                           {"4", Language::SimplifiedChinese},
                                           {"", Language::SimplifiedChinese}})
        check(kLanguage, stored, language);
    for (const auto& [stored, loudness] : {std::pair{"Off", Loudness::Off},
                                           {"Album", Loudness::Album},
                                           {"album", Loudness::Track},
                                           {"", Loudness::Track}})
        check(kLoudness, stored, loudness);
    for (const auto& [stored, alpha] : {std::pair{"", 180},
                                        {"180", 180},
                                        {"255", 255},
                                        {"100.6", 101},
                                        {"254.5", 255},
                                        {"255.6", 180},
                                        {"300", 180},
                                        {"-1", 180},
                                        {"abc", 180},
                                        {"12abc", 180},
                                        {"0", 21},
                                        {"5", 21},
                                        {"1e2", 100}})
        check(kOpacity, stored, alpha);
    for (const auto& [stored, volume] : {std::pair{"-99999999999999999999", 0},
                                         {"1e300", 100},
                                         {"150", 100},
                                         {"37.6", 38},
                                         {"-3", 0},
                                         {"loud", 50},
                                         {"", 50}})
        check(kVolume, stored, volume);
    check(kSkin, "", QStringLiteral("Blue"));
}

// Plug-ins read the same file: the texts written are the ones they know.
TEST(SettingsTest, ValuesAreWrittenInTheTextsPlugInsRead) {
    using namespace SettingKeys;
    TempEnvironment env;
    Settings settings(env.path("Mirato.dat"));
    settings.set(kTopMost, true);
    settings.set(kDesktopAnswers, false);
    settings.set(kLanguage, Language::TraditionalChinese);
    settings.set(kLoudness, Loudness::Album);
    settings.set(kVolume, 64);
    EXPECT_EQ(env.readFile("Mirato.dat"),
              "[Option]\nbTopMost=True\nDesktopAnswers=False\nLanguage=2\nReplayGain=Album\n"
              "PlayerVolume=64\n");
}

TEST(SettingsTest, PositionsRoundTripAndIgnoreWhatIsNoNumber) {
    TempEnvironment env;
    Settings settings(env.path("Mirato.dat"));
    ASSERT_TRUE(settings.savePosition("wl", 4320, 7215.5));
    EXPECT_EQ(env.readFile("Mirato.dat"), "[Option]\nwl.top=4320\nwl.left=7215.5\n");
    auto position = settings.readPosition("wl");
    EXPECT_EQ(position.top, 4320);
    EXPECT_EQ(position.left, 7215.5);

    settings.write("player.top", "abc");
    settings.write("player.left", "-300");
    position = settings.readPosition("player");
    EXPECT_FALSE(position.top.has_value());
    EXPECT_EQ(position.left, -300);

    position = settings.readPosition("LrcShow");
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
