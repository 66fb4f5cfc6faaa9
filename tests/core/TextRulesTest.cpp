#include <gtest/gtest.h>

#include "core/TextRules.h"

using namespace mirato;

namespace {

TEST(TextRulesTest, MediaExtensionsInThreeSpellingsOnly) {
    for (const char* spelling : {".mp3", ".Mp3", ".MP3", ".m3u", ".M3u", ".M3U"})
        EXPECT_TRUE(TextRules::isMediaExtension(spelling)) << spelling;
    for (const char* other : {".mP3", ".MP3 ", "mp3", ".ogg", ".M3U8", ""})
        EXPECT_FALSE(TextRules::isMediaExtension(other)) << other;
    EXPECT_TRUE(TextRules::isPlaylistExtension(".Wpl"));
    EXPECT_FALSE(TextRules::isPlaylistExtension(".wPL"));
    EXPECT_FALSE(TextRules::isPlaylistExtension(".mp3"));
}

TEST(TextRulesTest, NumbersAsPeopleTypeThem) {
    const std::pair<const char*, bool> cases[] = {
        {"19", true},    {".1", true},  {"1.", true},   {" 42 ", true}, {"-2.5e3", true},
        {"+7E-2", true}, {"0", true},   {"", false},    {".", false},   {"1.2.3", false},
        {"12a", false},  {"1e", false}, {"e5", false},  {"- 1", false}, {"19.", true},
        {"1,5", false},  {"TM", false}, {"--1", false}, {"1 2", false},
    };
    for (const auto& [text, numeric] : cases)
        EXPECT_EQ(TextRules::isNumeric(text), numeric) << text;
    EXPECT_DOUBLE_EQ(TextRules::numericValue(" 128 "), 128);
    EXPECT_DOUBLE_EQ(TextRules::numericValue("-2.5e3"), -2500);
}

}  // namespace
