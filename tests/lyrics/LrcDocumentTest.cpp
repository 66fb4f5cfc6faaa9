#include <gtest/gtest.h>

#include "lyrics/LrcDocument.h"

using namespace mirato;

namespace {

TEST(LrcDocumentTest, TimeTags) {
    const std::pair<const char*, qint64> cases[] = {
        {"00:12.34", 12340},
        {"00:12.3", 12300},
        {"00:12.345", 12345},
        {"01:02", 62000},
        {"1:02:03.5", 3723500},
        {" 00:05.00 ", 5000},
        {"00:12.3456", -1},
        {"ar:Someone", -1},
        {"-00:01.00", -1},
        {"00:+1.00", -1},
        {"00:01.", -1},
        {"12", -1},
        {"", -1},
        {"a:b:c:d", -1},
    };
    for (const auto& [tag, ms] : cases)
        EXPECT_EQ(LrcDocument::tagMs(QString::fromLatin1(tag)), ms) << tag;
}

// What shows at each position, for files as they are written in the wild.
TEST(LrcDocumentTest, EachLineHasItsMoment) {
    struct Case {
        const char* name;
        QStringList file;
        std::vector<std::pair<qint64, const char*>> shown;  // position, text ("" before any)
    };
    const Case cases[] = {
        {"hundredths count: two lines in one second",
         {"[ti:Song]", "[00:10.00]One", "[00:10.50]Two", "[00:11.00]Three"},
         {{9999, ""}, {10000, "One"}, {10499, "One"}, {10500, "Two"}, {11000, "Three"}}},
        {"out of order and several tags on a line",
         {"[00:30.00]Late", "[00:05.00][00:20.00]Chorus", "[00:10.00]Verse"},
         {{5000, "Chorus"}, {10000, "Verse"}, {20000, "Chorus"}, {30000, "Late"}}},
        {"a positive offset brings every line earlier",
         {"[offset:+500]", "[00:10.00]One", "[00:20.00]Two"},
         {{9499, ""}, {9500, "One"}, {19500, "Two"}}},
        {"a negative offset makes them later",
         {"[offset:-250]", "[00:10.00]One"},
         {{10249, ""}, {10250, "One"}}},
        {"word tags never show",
         {"[00:12.00]<00:12.00>Hello <00:12.50>world"},
         {{12000, "Hello world"}}},
        {"text without tags and broken tags are left out",
         {"plain words", "[00:xx]Broken", "[00:01.00]Kept", "[00:02.00"},
         {{500, ""}, {1000, "Kept"}, {5000, "Kept"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LrcDocument document = LrcDocument::parse(c.file);
        for (const auto& [position, text] : c.shown) {
            const qsizetype at = document.lineAt(position);
            EXPECT_EQ(at < 0 ? QString() : document.lines()[size_t(at)].text, QString(text))
                << position;
        }
    }
}

TEST(LrcDocumentTest, ASharedTagIsATranslation) {
    const LrcDocument document =
        LrcDocument::parse({"[00:01.00]你好", "[00:01.00]Hello", "[00:02.00]世界",
                            "[00:02.00]World", "[00:03.00]Solo"});
    ASSERT_EQ(document.lines().size(), 3u);
    EXPECT_EQ(document.lines()[0].text, "你好");
    EXPECT_EQ(document.lines()[0].translation, "Hello");
    EXPECT_EQ(document.lines()[1].translation, "World");
    EXPECT_EQ(document.lines()[2].translation, "");
}

TEST(LrcDocumentTest, WordsAreSungInTurn) {
    const LrcDocument document = LrcDocument::parse(
        {"[00:12.00]<00:12.00>Hello <00:12.50>big <00:13.00>world", "[00:15.00]Next"});
    const LyricLine& line = document.lines().front();
    ASSERT_EQ(line.words.size(), 3);
    EXPECT_EQ(line.words[1].text, "big ");
    const std::pair<qint64, int> sung[] = {{12000, 1}, {12499, 1}, {12500, 2}, {14000, 3}};
    for (const auto& [position, words] : sung)
        EXPECT_EQ(LrcDocument::wordsSung(line, position), words) << position;
    // The next change is the next word, then the next line, then nothing.
    EXPECT_EQ(document.nextChangeAfter(12100), 12500);
    EXPECT_EQ(document.nextChangeAfter(13000), 15000);
    EXPECT_EQ(document.nextChangeAfter(15000), -1);
    EXPECT_EQ(document.nextChangeAfter(0), 12000);
}

TEST(LrcDocumentTest, TheOffsetLineIsSetOrAdded) {
    const QStringList withHeaders = {"[ar:A]", "[ti:T]", "[00:01.00]One"};
    EXPECT_EQ(LrcDocument::withOffset(withHeaders, 300),
              (QStringList{"[ar:A]", "[ti:T]", "[offset:+300]", "[00:01.00]One"}));
    EXPECT_EQ(LrcDocument::withOffset({"[offset:+300]", "[00:01.00]One"}, -100),
              (QStringList{"[offset:-100]", "[00:01.00]One"}));
    EXPECT_EQ(LrcDocument::withOffset({"[00:01.00]One"}, 0),
              (QStringList{"[offset:0]", "[00:01.00]One"}));
    EXPECT_EQ(LrcDocument::parse(LrcDocument::withOffset(withHeaders, 300)).offsetMs(), 300);
}

}  // namespace
