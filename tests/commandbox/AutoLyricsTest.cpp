#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "commandbox/AutoLyrics.h"
#include "commandbox/DocumentDispatcher.h"
#include "core/LyricsPlaces.h"
#include "support/InterpreterHarness.h"

using namespace mirato;
using mirato::test::InterpreterHarness;

namespace {

class AutoLyricsTest : public ::testing::Test {
protected:
    AutoLyricsTest() {
        plugin = h.env.writeFile("app/Plugin/ZuzAzedod/ZuzAzedod", "#!/bin/sh\n");
        QFile::setPermissions(plugin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        h.env.writeFile("app/Plugin/ZuzAzedod/setting.ini", "[title]\nenglish=Lyrics Search\n");
    }
    // A song starts without lyrics; its length is told later, with its tags.
    void play(const QString& name, const QString& artist, const QString& title) {
        h.media.source = h.env.writeFile(name, "ID3");
        h.media.artist = artist;
        h.media.title = title;
        h.media.length.reset();
        finder.songWithoutLyrics(h.media.source);
        h.media.length = std::chrono::milliseconds(200400);
        emit h.media.tagsChanged();
    }

    InterpreterHarness h;
    QString plugin;
    AutoLyrics finder{h.settings, h.plugins, h.media, h.launcher, LyricsPlaces::cacheFolder()};
};

TEST_F(AutoLyricsTest, NothingIsAskedUntilTheUserTicksIt) {
    play("music/a.mp3", "The Band", "Song");
    EXPECT_TRUE(h.launcher.launches.isEmpty());
    h.settings.write("AutoLyrics", "False");
    play("music/b.mp3", "The Band", "Song");
    EXPECT_TRUE(h.launcher.launches.isEmpty());
}

TEST_F(AutoLyricsTest, ASongIsDescribedByItsTagsOrItsName) {
    h.settings.write("AutoLyrics", "True");
    h.media.album = "Album";
    play("music/a.mp3", "The Band", "Song");
    ASSERT_EQ(h.launcher.launches.size(), 1);
    EXPECT_EQ(h.launcher.launches[0].command.program, plugin);
    EXPECT_EQ(h.launcher.launches[0].command.arguments,
              (QStringList{"--find", "--source", h.env.path("music/a.mp3"), "--artist", "The Band",
                           "--title", "Song", "--duration", "200", "--album", "Album"}));
    h.media.album.clear();
    play("music/Other Band - Other Song.mp3", "", "");
    ASSERT_EQ(h.launcher.launches.size(), 2);
    EXPECT_EQ(h.launcher.launches[1].command.arguments.mid(3, 4),
              (QStringList{"--artist", "Other Band", "--title", "Other Song"}));
    // Neither tags nor a name to go by: nothing to ask.
    play("music/untitled.mp3", "", "");
    EXPECT_EQ(h.launcher.launches.size(), 2);
}

TEST_F(AutoLyricsTest, ASongTheServiceDidNotKnowIsNotAskedAboutThisWeek) {
    h.settings.write("AutoLyrics", "True");
    const QString song = h.env.writeFile("music/a.mp3", "ID3");
    const QString mark = LyricsPlaces::notFoundMark(LyricsPlaces::cacheFolder(), song);
    QDir().mkpath(QFileInfo(mark).path());
    QFile(mark).open(QIODevice::WriteOnly);
    play("music/a.mp3", "The Band", "Song");
    EXPECT_TRUE(h.launcher.launches.isEmpty());
    // A week later it is.
    QFile file(mark);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime::currentDateTime().addDays(-8), QFileDevice::FileModificationTime);
    file.close();
    play("music/a.mp3", "The Band", "Song");
    EXPECT_EQ(h.launcher.launches.size(), 1);
}

// What the plug-in hands back for the song playing loads from where it was kept, without a
// balloon; found for a song that no longer plays, it is left alone.
TEST_F(AutoLyricsTest, FoundLyricsLoadQuietlyForTheirSongOnly) {
    DocumentDispatcher documents(h.services);
    const QString cache = LyricsPlaces::cacheFolder();
    const QString song = h.env.writeFile("music/a.mp3", "ID3");
    h.env.writeFile("music/a.lrc", "[00:01]kept\n");
    const QString found = LyricsPlaces::found(cache, song);
    QDir().mkpath(cache);
    QFile(found).open(QIODevice::WriteOnly);
    h.media.source = song;
    h.media.state = PlayState::Playing;
    documents.dispatch(found);
    EXPECT_EQ(h.windows.lyricsDocuments, QStringList{h.env.path("music/a.lrc")});
    EXPECT_TRUE(h.notifier.messages.isEmpty());
    EXPECT_TRUE(h.notifier.balloons.isEmpty());
    h.media.source = h.env.writeFile("music/b.mp3", "ID3");
    documents.dispatch(found);
    EXPECT_EQ(h.windows.lyricsDocuments.size(), 1);
    EXPECT_TRUE(h.notifier.messages.isEmpty());
}

}  // namespace
