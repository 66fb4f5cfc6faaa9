#include <gtest/gtest.h>

#include "components/PlaylistReader.h"

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
        {"empty", "", "m3u", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaylistReader::parse(c.data, c.extension, "/lists"), c.expected) << c.name;
    EXPECT_TRUE(PlaylistReader::isPlaylist("/a/b.M3U"));
    EXPECT_TRUE(PlaylistReader::isPlaylist("list.wpl"));
    EXPECT_FALSE(PlaylistReader::isPlaylist("http://x/list.m3u"));
    EXPECT_FALSE(PlaylistReader::isPlaylist("/a/b.mp3"));
}

}  // namespace
