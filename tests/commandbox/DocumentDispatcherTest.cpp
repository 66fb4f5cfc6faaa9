#include <gtest/gtest.h>

#include "commandbox/DocumentDispatcher.h"
#include "core/Strings.h"
#include "support/InterpreterHarness.h"

using namespace mirato;
using mirato::test::InterpreterHarness;

namespace {

class DocumentDispatcherTest : public ::testing::Test {
protected:
    InterpreterHarness h;
    DocumentDispatcher documents{h.services};
};

TEST_F(DocumentDispatcherTest, MediaPlayAtOnce) {
    const QString song = h.env.writeFile("music/Long Name.mp3", "ID3");
    const std::pair<QString, QString> cases[] = {
        {"http://host/a.MP3", "http://host/a.MP3"},
        {"Ht://host/a.Mp3", "Ht://host/a.Mp3"},
        {"host/a.wma", "http://host/a.wma"},
        {song, song},
        {h.env.path("music/../music/Long Name.mp3"), song},
    };
    for (const auto& [document, url] : cases) {
        h.media.urls.clear();
        documents.dispatch(document);
        EXPECT_EQ(h.media.urls, QStringList{url}) << document.toStdString();
    }
    EXPECT_EQ(h.windows.playerShown, 5);

    h.media.urls.clear();
    documents.dispatch(h.env.path("music/missing.mp3"));  // the player shows, nothing plays
    EXPECT_TRUE(h.media.urls.isEmpty());
    EXPECT_EQ(h.windows.playerShown, 6);
}

TEST_F(DocumentDispatcherTest, LyricsDocumentWhilePlayingIsShownAndKept) {
    const QString document = h.env.writeFile("cache/found.wrc", "[00:01]la\n");
    documents.dispatch(document);  // nothing plays
    EXPECT_EQ(h.notifier.messages, QStringList{Strings::text(346)});
    EXPECT_EQ(h.notifier.titles, QStringList{"Mirato"});
    EXPECT_TRUE(h.windows.lyricsDocuments.isEmpty());

    h.media.state = PlayState::Playing;
    h.media.source = h.env.writeFile("music/a.mp3", "ID3");
    h.env.writeFile("music/a.lrc", "old");
    documents.dispatch(document);
    EXPECT_EQ(h.windows.lyricsDocuments, QStringList{document});
    EXPECT_EQ(h.env.readFile("music/a.lrc"), "[00:01]la\n");
    EXPECT_EQ(h.notifier.balloons, QStringList{Strings::text(333)});

    h.media.source = "http://radio.example/live.mp3";  // shown, but kept nowhere
    documents.dispatch(document);
    EXPECT_EQ(h.windows.lyricsDocuments.size(), 2);
    EXPECT_EQ(h.notifier.balloons.size(), 1);
}

TEST_F(DocumentDispatcherTest, OtherDocumentsWaitInTheCommandBox) {
    const QString notes = h.env.writeFile("docs/notes.txt", "x");
    const QString upper = h.env.writeFile("cache/found.WRC", "x");
    h.media.state = PlayState::Playing;
    documents.dispatch(notes);
    documents.dispatch("http://example.org/page");
    documents.dispatch(upper);  // only ".wrc" in lower case is lyrics
    documents.dispatch(h.env.path("docs/gone.txt"));
    documents.dispatch("host/a.mP3");
    EXPECT_EQ(h.windows.commandBoxTexts,
              (QStringList{notes, "http://example.org/page", upper, "", ""}));
    EXPECT_TRUE(h.media.urls.isEmpty());
    EXPECT_TRUE(h.windows.lyricsDocuments.isEmpty());
}

}  // namespace
