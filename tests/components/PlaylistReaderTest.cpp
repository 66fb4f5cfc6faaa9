#include <gtest/gtest.h>

#include <QDir>

#include "components/PlaylistReader.h"
#include "support/TempEnvironment.h"

using mirato::PlaylistReader;

namespace {

TEST(PlaylistReaderTest, AwkwardRealWorldLists) {
    struct Case {
        const char* name;
        QByteArray data;
        const char* extension;
        QStringList expected;
    };
    const Case cases[] = {
        {"m3u with BOM, CRLF, comments, relative and absolute entries",
         "\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:123,Artist - Title\r\n  a.mp3  \r\n\r\n/abs/b.mp3\r\n"
         "../up/c.mp3\r\nhttp://radio.example/live\r\nfile:///music/d%20e.mp3\r\n",
         "m3u",
         {"/lists/a.mp3", "/abs/b.mp3", "/up/c.mp3", "http://radio.example/live",
          "/music/d e.mp3"}},
        {"m3u written on Windows in GBK",
         QByteArray("\xB8\xE8\\\xC7\xFA.mp3\r\n"),
         "m3u",
         {QString::fromUtf8("/lists/歌/曲.mp3")}},
        {"wpl with entities and single quotes",
         "<?wpl version=\"1.0\"?><smil><body><seq>"
         "<media src=\"Rock &amp; Roll.mp3\" tid=\"{1}\"/><MEDIA SRC='x&#39;y.wma'/>"
         "</seq></body></smil>",
         "wpl",
         {"/lists/Rock & Roll.mp3", "/lists/x'y.wma"}},
        {"asx in any case, first ref per entry",
         "<ASX version=\"3.0\"><Entry><Ref HREF=\"mms://a.example/one\"/>"
         "<ref href=\"http://fallback.example/one\"/></Entry>"
         "<entry><ref href = \"two.wma\" /></entry></ASX>",
         "asx",
         {"mms://a.example/one", "/lists/two.wma"}},
        {"entries that only look special: a leading colon, a backslash name",
         ":x.mp3\nsub\\y.mp3\n",
         "m3u",
         {"/lists/:x.mp3", "/lists/sub/y.mp3"}},
        {"broken and out-of-range references stay or go, never more",
         "<smil><media src=\"a&#0;b&#x110000;c&#99999999999;d&nope;e&#;f&amp\"/></smil>",
         "wpl",
         {"/lists/abc&#99999999999;d&nope;e&#;f&amp"}},
        {"empty", "", "m3u", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaylistReader::parse(c.data, c.extension, "/lists"), c.expected) << c.name;
    EXPECT_TRUE(PlaylistReader::isPlaylist("/a/b.M3U"));
    EXPECT_TRUE(PlaylistReader::isPlaylist("list.wpl"));
    EXPECT_FALSE(PlaylistReader::isPlaylist("http://x/list.m3u"));
    EXPECT_FALSE(PlaylistReader::isPlaylist("/a/b.mp3"));
}

// Entries belong to the list's folder, whatever folder the program runs in.
TEST(PlaylistReaderTest, EntriesAreLookedUpInTheListsFolderOnly) {
    mirato::test::TempEnvironment env;
    env.writeFile("cwd/a\\b.mp3", "x");  // exists beside the program, not beside the list
    const QString before = QDir::currentPath();
    QDir::setCurrent(env.path("cwd"));
    EXPECT_EQ(PlaylistReader::parse("a\\b.mp3\n", "m3u", env.path("lists")),
              QStringList{env.path("lists/a/b.mp3")});
    QDir::setCurrent(before);
}

// Lists inside lists give their entries; a list that names itself, directly or through another
// list, gives nothing the second time.
TEST(PlaylistReaderTest, ListsInListsWithoutEndlessLoops) {
    mirato::test::TempEnvironment env;
    env.writeFile("self.m3u", "self.m3u\none.wav\n");
    env.writeFile("a.m3u", "1.wav\nb.wpl\n2.wav\n");
    env.writeFile("b.wpl", "<smil><media src=\"a.m3u\"/><media src=\"3.wav\"/></smil>");
    env.writeFile("outer.asx", "<asx><entry><ref href=\"a.m3u\"/></entry></asx>");
    const struct {
        const char* list;
        QStringList entries;
    } rows[] = {
        {"self.m3u", {"one.wav"}},
        {"a.m3u", {"1.wav", "3.wav", "2.wav"}},
        {"outer.asx", {"1.wav", "3.wav", "2.wav"}},
    };
    for (const auto& row : rows) {
        QStringList expected;
        for (const QString& entry : row.entries)
            expected.append(env.path(entry));
        EXPECT_EQ(PlaylistReader::read(env.path(row.list)), expected) << row.list;
    }
}

}  // namespace
