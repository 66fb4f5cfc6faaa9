#include <gtest/gtest.h>

#include "core/Settings.h"
#include "core/Strings.h"
#include "support/InterpreterHarness.h"

using namespace mirato;
using mirato::test::InterpreterHarness;
using mirato::test::Launch;

namespace {

TEST(LyricsSearchTest, OnlyWhilePlayingAndWithThePlugin) {
    InterpreterHarness h;
    h.media.state = PlayState::Paused;
    h.media.title = "Song";
    h.lyricsSearch.launch();
    EXPECT_EQ(h.notifier.messages, QStringList{Strings::text(336)});
    EXPECT_EQ(h.settings.read("MP3Title"), "");

    h.media.state = PlayState::Playing;
    h.lyricsSearch.launch();  // playing, but no plug-in
    EXPECT_EQ(h.notifier.messages.last(), Strings::text(335));
    EXPECT_EQ(h.settings.read("MP3Title"), "Song");

    const QString program = h.env.writeFile("app/Plugin/ZuzAzedod/ZuzAzedod", "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    h.media.title = "Other Song";
    h.lyricsSearch.launch();
    EXPECT_EQ(h.notifier.messages.size(), 2);
    EXPECT_EQ(h.settings.read("MP3Title"), "Other Song");
    EXPECT_EQ(h.launcher.launches, (QList<Launch>{{Command{program, {}}, WindowStyle::Normal}}));

    h.media.title = "";  // untagged: the name the player shows
    h.media.source = "/music/Untagged Song.mp3";
    h.lyricsSearch.launch();
    EXPECT_EQ(h.settings.read("MP3Title"), "Untagged Song");
}

}  // namespace
