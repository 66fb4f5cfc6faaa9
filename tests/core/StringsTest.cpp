#include <gtest/gtest.h>

#include "core/Strings.h"

using mirato::Language;
using mirato::MessageCode;
using mirato::Strings;

namespace {

TEST(StringsTest, ResourceIdsAreTheThreeLanguageRanges) {
    int count = 0;
    for (int id = -1; id < 1000; ++id) {
        if (Strings::contains(id)) {
            ++count;
            EXPECT_TRUE(id / 100 >= 1 && id / 100 <= 3 && id % 100 < Strings::kCodeCount) << id;
        }
    }
    EXPECT_EQ(count, 3 * Strings::kCodeCount);
    EXPECT_EQ(Strings::text(166), "");
}

// Several texts are halves of a sentence placed around a name: their blanks and tabs count.
TEST(StringsTest, BlanksAroundNamesAreKept) {
    EXPECT_EQ(Strings::text(228),
              QString::fromUtf8(" 嘻嘻..播放清單添加成功！以後只需在輸入框中輸入  "));
    EXPECT_EQ(Strings::text(329), " Can play");
    EXPECT_TRUE(Strings::text(239).endsWith('\t'));
}

TEST(StringsTest, EveryCodeHasATextInEveryLanguage) {
    const auto last = static_cast<int>(MessageCode::RowRegister);
    for (Language language :
         {Language::SimplifiedChinese, Language::TraditionalChinese, Language::English}) {
        for (int code = 0; code <= last; ++code)
            EXPECT_FALSE(Strings::message(language, MessageCode(code)).isEmpty()) << code;
    }
    // The table's codes name resource ids; the program's own texts have none.
    EXPECT_EQ(Strings::message(Language::English, MessageCode::FirstStartHint), Strings::text(322));
    EXPECT_EQ(Strings::message(Language::TraditionalChinese, MessageCode::ModeMusic),
              Strings::text(223));
    EXPECT_EQ(Strings::message(Language::English, MessageCode::CopyFailed),
              "Oops! Could not copy %1 to %2.");
    EXPECT_EQ(Strings::message(Language::English, MessageCode::RowRegister),
              "Register the component %1");
}

}  // namespace
