#include <gtest/gtest.h>

#include "core/Opacity.h"

namespace mirato {
namespace {

// Hand-edited values must never make a window vanish or fail.
TEST(Opacity, TextBecomesAnAlphaAWindowCanShow) {
    const struct {
        const char* text;
        int alpha;
    } rows[] = {{"", 180},      {"180", 180},   {"255", 255}, {" 128", 128}, {"100.6", 101},
                {"254.5", 255}, {"255.6", 180}, {"300", 180}, {"-1", 180},   {"abc", 180},
                {"12abc", 180}, {"0", 21},      {"5", 21},    {"21", 21},    {"1e2", 100}};
    for (const auto& row : rows)
        EXPECT_EQ(Opacity::alphaFromText(QString::fromLatin1(row.text)), row.alpha) << row.text;
}

}  // namespace
}  // namespace mirato
