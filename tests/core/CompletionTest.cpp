#include <gtest/gtest.h>

#include <QFile>

#include "core/CompletionIndex.h"
#include "core/HistoryWalk.h"
#include "core/LineHistory.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;

namespace {

TEST(CompletionTest, BestCandidateFirst) {
    CompletionIndex index;
    index.setNames({"Firefox ESR", "firefox", "Files", "GNU Image Manipulation Program", "gimp",
                    "Visual Studio Code", "Terminal", "LibreOffice Writer", "kate"});
    index.setHistory({"fish shell", "fi new", "firefox --private-window"});
    const struct {
        const char* typed;
        const char* expected;
    } cases[] = {
        {"fi", "fish shell"},                 // typed before, and the newest of those
        {"fir", "firefox --private-window"},  // a line typed before beats a name
        {"Fire", "Firefox ESR"},              // the same case first
        {"gi", "gimp"},                       // at the start before at a word
        {"stu", "Visual Studio Code"},        // at the start of a word
        {"writ", "LibreOffice Writer"},
        {"manip", "GNU Image Manipulation Program"},
        // By the words' starts, in order, or their initials; below any match of the text.
        {"lib wri", "LibreOffice Writer"},
        {"vi st co", "Visual Studio Code"},
        {"vsc", "Visual Studio Code"},
        {"gimp", "GNU Image Manipulation Program"},  // initials, with nothing left of "gimp"
        {"te", "Terminal"},                          // a prefix before any initials
        {"wri lib", ""},                             // words out of order
        {"vsx", ""},
        {"kate", ""},  // nothing left to complete
        {"ate", ""},   // inside a word is no match
        {"", ""},
        {"  ", ""},
        {"zz", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(index.complete(c.typed), c.expected) << c.typed;
}

TEST(CompletionTest, InitialsComeAfterEveryMatchOfTheText) {
    CompletionIndex index;
    index.setNames({"Y Fixture Two", "yft-tool", "Yellow Fin Tuna", "Yak"});
    EXPECT_EQ(index.candidates("yft", 5),
              (QStringList{"yft-tool", "Y Fixture Two", "Yellow Fin Tuna"}));
    EXPECT_EQ(index.candidates("y", 5),
              (QStringList{"yft-tool", "Yak", "Y Fixture Two", "Yellow Fin Tuna"}));
}

TEST(CompletionTest, ShorterAndThenAlphabeticalAmongEquals) {
    CompletionIndex index;
    index.setNames({"abc-long", "abd", "abc", "abc"});
    EXPECT_EQ(index.complete("ab"), "abc");
    EXPECT_EQ(index.complete("abc"), "abc-long");
    EXPECT_EQ(index.size(), 3);
}

TEST(CompletionTest, CandidatesInRankOrderEachOnce) {
    CompletionIndex index;
    index.setNames({"Firefox", "Files", "GNU Fi Tool", "fish"});
    index.setHistory({"fish", "first line"});  // "fish" typed before and a name too
    EXPECT_EQ(index.candidates("fi", 10),
              (QStringList{"fish", "first line", "Files", "Firefox", "GNU Fi Tool"}));
    EXPECT_EQ(index.candidates("fi", 2), (QStringList{"fish", "first line"}));
    EXPECT_EQ(index.candidates("fi", 0), QStringList{});
}

TEST(CompletionTest, HistoryKeepsTheNewestFiveHundredAndNoPrivateLines) {
    TempEnvironment env;
    const QString file = env.path("config/Mirato.history");
    {
        LineHistory history(file);
        for (int i = 0; i < 510; ++i)
            EXPECT_TRUE(history.remember(QString("line %1").arg(i)));
        EXPECT_FALSE(history.remember(" private"));
        EXPECT_FALSE(history.remember("\tprivate"));
        EXPECT_FALSE(history.remember(""));
        EXPECT_FALSE(history.remember("two\nlines"));
        EXPECT_TRUE(history.remember("line 300"));  // again: moves to the top
    }
    LineHistory again(file);
    ASSERT_EQ(again.lines().size(), LineHistory::kLimit);
    EXPECT_EQ(again.lines().first(), "line 300");
    EXPECT_EQ(again.lines().at(1), "line 509");
    EXPECT_EQ(again.lines().last(), "line 10");
    EXPECT_EQ(again.lines().count("line 300"), 1);
    EXPECT_EQ(QFile::permissions(file) & (QFile::ReadOther | QFile::ReadGroup), 0);

    again.clear();
    EXPECT_TRUE(again.lines().isEmpty());
    EXPECT_TRUE(LineHistory(file).lines().isEmpty());
}

TEST(CompletionTest, UpAndDownWalkThroughTheHistory) {
    const QStringList lines{"newest", "middle", "oldest"};
    HistoryWalk walk;
    EXPECT_EQ(walk.newer(lines), std::nullopt);  // not walking yet
    EXPECT_EQ(walk.older(lines, "draft"), "newest");
    EXPECT_EQ(walk.older(lines, "newest"), "middle");
    EXPECT_EQ(walk.older(lines, "middle"), "oldest");
    EXPECT_EQ(walk.older(lines, "oldest"), std::nullopt);  // stays at the oldest
    EXPECT_EQ(walk.newer(lines), "middle");
    EXPECT_EQ(walk.newer(lines), "newest");
    EXPECT_EQ(walk.newer(lines), "draft");  // back to what was being typed
    EXPECT_EQ(walk.newer(lines), std::nullopt);
    EXPECT_EQ(walk.older({}, "x"), std::nullopt);
}

}  // namespace
