#include <gtest/gtest.h>

#include "core/InputModes.h"
#include "core/Settings.h"
#include "core/Strings.h"
#include "support/InterpreterHarness.h"

using namespace mirato;
using mirato::test::InterpreterHarness;
using mirato::test::Launch;

namespace {

TEST(KeyCommandsTest, KeysMatchWithAnyExtraModifier) {
    const auto ctrl = Qt::ControlModifier;
    InterpreterHarness h;
    EXPECT_TRUE(h.keys.handle(Qt::Key_P, ctrl | Qt::ShiftModifier));
    EXPECT_TRUE(h.keys.handle(Qt::Key_D, ctrl | Qt::AltModifier));
    EXPECT_TRUE(InputModes::isActive(h.state, InputMode::RunCmd));
    EXPECT_TRUE(h.keys.handle(Qt::Key_F1, Qt::ShiftModifier));
    EXPECT_FALSE(h.keys.handle(Qt::Key_P, Qt::NoModifier));
    EXPECT_FALSE(h.keys.handle(Qt::Key_C, ctrl));  // copy stays copy
    EXPECT_EQ(h.media.calls, QStringList{"play"});
    EXPECT_EQ(h.launcher.launches.size(), 1);  // the help

    for (int key : {Qt::Key_A, Qt::Key_B, Qt::Key_D, Qt::Key_F, Qt::Key_G, Qt::Key_I, Qt::Key_L,
                    Qt::Key_M, Qt::Key_N, Qt::Key_O, Qt::Key_P, Qt::Key_R, Qt::Key_S})
        EXPECT_TRUE(isSwallowedKey(key, ctrl)) << key;
    EXPECT_TRUE(isSwallowedKey(Qt::Key_Tab, Qt::NoModifier));
    for (int key : {Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_E})
        EXPECT_FALSE(isSwallowedKey(key, ctrl)) << key;
    EXPECT_FALSE(isSwallowedKey(Qt::Key_P, Qt::NoModifier));
}

TEST(KeyCommandsTest, PlayPauseDependsOnThePlayState) {
    const std::pair<PlayState, const char*> cases[] = {
        {PlayState::Stopped, "play"},  {PlayState::Paused, "play"},   {PlayState::Playing, "pause"},
        {PlayState::Opening, nullptr}, {PlayState::Nothing, nullptr},
    };
    for (const auto& [state, expected] : cases) {
        InterpreterHarness h;
        h.media.state = state;
        h.keys.handle(Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(h.media.calls, expected ? QStringList{expected} : QStringList{}) << int(state);
    }
}

TEST(KeyCommandsTest, TransportVolumeAndMute) {
    InterpreterHarness h;
    h.keys.handle(Qt::Key_Right, Qt::ControlModifier);
    h.keys.handle(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(h.media.calls, (QStringList{"next", "previous"}));
    h.media.volumeValue = 95;
    h.keys.handle(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(h.media.volumeValue, 105);  // the player clamps, the box does not
    h.keys.handle(Qt::Key_Down, Qt::ControlModifier);
    h.keys.handle(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(h.media.volumeValue, 85);
    h.keys.handle(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(h.media.muted);
    h.keys.handle(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(h.media.muted);
    h.keys.handle(Qt::Key_I, Qt::ControlModifier);
    h.keys.handle(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(h.windows.playerShown, 1);
    EXPECT_EQ(h.windows.lyricsShown, 1);
}

TEST(KeyCommandsTest, OpenFilePlaysMediaAndPutsOtherFilesIntoTheBox) {
    const std::tuple<QString, bool, std::optional<QString>> cases[] = {
        {"/music/Song.MP3", true, std::nullopt},
        {"/music/Song.mP3", false, "/music/Song.mP3"},
        {"/docs/notes.txt", false, "/docs/notes.txt"},
        {"", false, std::nullopt},  // cancelled
    };
    for (const auto& [chosen, plays, boxText] : cases) {
        InterpreterHarness h;
        h.dialogs.answer = chosen;
        EXPECT_TRUE(h.keys.handle(Qt::Key_O, Qt::ControlModifier));
        EXPECT_EQ(h.windows.commandBoxTexts, boxText ? QStringList{*boxText} : QStringList{})
            << chosen.toStdString();
        EXPECT_EQ(h.media.urls, plays ? QStringList{chosen} : QStringList{});
        EXPECT_EQ(h.windows.playerShown, 0);
        EXPECT_EQ(h.dialogs.filters, QStringList{"All File(ALL Type)| *.*"});
    }
}

TEST(KeyCommandsTest, HelpOpensTheFileOfTheLanguage) {
    const std::pair<Language, const char*> cases[] = {
        {Language::SimplifiedChinese, "Help_CHS.txt"},
        {Language::TraditionalChinese, "Help_CHT.txt"},
        {Language::English, "Help_ENG.txt"}};
    for (const auto& [language, file] : cases) {
        InterpreterHarness h(windowsConventions(), language);
        h.keys.handle(Qt::Key_F1, Qt::NoModifier);
        ASSERT_EQ(h.launcher.launches.size(), 1);
        EXPECT_EQ(h.launcher.launches.first().command,
                  (Command{"notepad", {h.app("skin/other/") + file}}));
    }
}

TEST(KeyCommandsTest, LyricsSearchOnlyWhilePlaying) {
    InterpreterHarness h;
    h.media.state = PlayState::Paused;
    h.media.title = "Song";
    h.keys.handle(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(h.notifier.messages, QStringList{Strings::text(336)});
    EXPECT_EQ(h.settings.read("MP3Title"), "");

    h.media.state = PlayState::Playing;
    h.keys.handle(Qt::Key_F, Qt::ControlModifier);  // playing, but no plug-in
    EXPECT_EQ(h.notifier.messages.last(), Strings::text(335));
    EXPECT_EQ(h.settings.read("MP3Title"), "Song");

    const QString program = h.env.writeFile("app/Plugin/ZuzAzedod/ZuzAzedod", "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    h.media.title = "Other Song";
    h.keys.handle(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(h.notifier.messages.size(), 2);
    EXPECT_EQ(h.settings.read("MP3Title"), "Other Song");
    EXPECT_EQ(h.launcher.launches, (QList<Launch>{{Command{program, {}}, WindowStyle::Normal}}));

    h.media.title = "";  // untagged: the name the player shows
    h.media.source = "/music/Untagged Song.mp3";
    h.keys.handle(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(h.settings.read("MP3Title"), "Untagged Song");
}

}  // namespace
