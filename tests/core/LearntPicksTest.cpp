#include <gtest/gtest.h>

#include <QFile>

#include "core/LearntPicks.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::TempEnvironment;

namespace {

TEST(LearntPicksTest, APickTwiceIsLearntAndSurvivesARestart) {
    TempEnvironment env;
    const QString path = env.path("config/Mirato.picks");
    {
        LearntPicks picks(path);
        picks.learn("fi", "Firefox Web Browser");
        EXPECT_EQ(picks.pickFor("fi"), "");  // once is chance
        picks.learn("FI", "Firefox Web Browser");
        picks.learn("fi", "Files");
        EXPECT_EQ(picks.pickFor("fi"), "Firefox Web Browser");
        EXPECT_EQ(picks.pickFor("f"), "Firefox Web Browser");  // the typing on the way
        EXPECT_EQ(picks.pickFor("fir"), "");
        // The same count: the newer pick wins.
        picks.learn("fi", "Files");
        EXPECT_EQ(picks.pickFor("fi"), "Files");
        // Typing the line itself, a private line and a line break teach nothing.
        for (const auto& [typed, line] : {std::pair{"ed", "ed"},
                                          {"se", " secret"},
                                          {"se", " secret"},
                                          {"tw", "two\nlines"},
                                          {"tw", "two\nlines"},
                                          {"", "x"},
                                          {"", "x"}})
            picks.learn(typed, line);
        EXPECT_EQ(picks.pickFor("se"), "");
        EXPECT_EQ(picks.pickFor("tw"), "");
        EXPECT_EQ(picks.pickFor("ed"), "");
    }  // written when it goes
    EXPECT_FALSE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther));
    LearntPicks again(path);
    EXPECT_EQ(again.pickFor("Fi"), "Files");
    again.clear();
    EXPECT_EQ(again.pickFor("fi"), "");
    EXPECT_FALSE(QFile::exists(path));
}

TEST(LearntPicksTest, ABrokenFileKeepsWhatParses) {
    TempEnvironment env;
    const QString path = env.writeFile("Mirato.picks",
                                       "2\t5\tte\tTerminal\n"
                                       "x\t5\tga\tGames\n"
                                       "2\t-1\tga\tGames\n"
                                       "3\t7\tno line\n"
                                       "\n"
                                       "9\t1\t\tEmpty\n"
                                       "2\t6\tvi\tVim\textra\n");
    const LearntPicks picks(path);
    EXPECT_EQ(picks.pickFor("te"), "Terminal");
    for (const char* typed : {"ga", "no line", "", "vi"})
        EXPECT_EQ(picks.pickFor(typed), "") << typed;
}

TEST(LearntPicksTest, TheLeastRecentlyUsedTypingsGoFirst) {
    TempEnvironment env;
    LearntPicks picks(env.path("Mirato.picks"));
    for (int round = 0; round < 2; ++round)
        picks.learn("ab", "Abacus");
    // Enough newer typings to fill the memory.
    for (qsizetype i = 0; i < LearntPicks::kMaxTypings; ++i) {
        const QString typed = QStringLiteral("q%1").arg(i, 6, 10, QLatin1Char('0'));
        picks.learn(typed, "Q");
    }
    EXPECT_EQ(picks.pickFor("ab"), "");
    picks.learn("zz", "Zed");
    picks.learn("zz", "Zed");
    EXPECT_EQ(picks.pickFor("zz"), "Zed");
}

}  // namespace
