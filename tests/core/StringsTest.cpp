#include <gtest/gtest.h>

#include "core/Strings.h"

using mirato::MessageCode;
using mirato::Strings;

namespace {

TEST(StringsTest, TableHasExactlyTheThreeLanguageRanges) {
    int count = 0;
    for (int id = 0; id < 1000; ++id) {
        if (Strings::contains(id)) {
            ++count;
            EXPECT_TRUE((id >= 100 && id <= 165) || (id >= 200 && id <= 265) ||
                        (id >= 300 && id <= 365))
                << id;
        }
    }
    EXPECT_EQ(count, 198);
    EXPECT_EQ(Strings::text(166), "");
    EXPECT_EQ(Strings::text(-1), "");
}

TEST(StringsTest, TrickyTextsAreKeptByteForByte) {
    const std::pair<int, QString> cases[] = {
        {300, "OK"},
        {100, QString::fromUtf8("确 定")},
        {322, "Press F1 View help documentation."},
        {340, "."},
        {341, "."},
        {139, QString::fromUtf8("哎呀！权限被拒绝，本次设置开机启动失败！ 呜…%#")},
        {239, QString::fromUtf8("哎呀！權限被拒絕，本次設置開機啟動失敗！ 嗚…%#\t")},
        {328, "Playlists successfully added!input "},
        {128, QString::fromUtf8("嘻嘻..播放列表添加成功！以后只需在输入框中输入 ")},
        {228, QString::fromUtf8(" 嘻嘻..播放清單添加成功！以後只需在輸入框中輸入  ")},
        {129, QString::fromUtf8(" 就可以播放该列表了！")},
        {229, QString::fromUtf8(" 就可以播放該清單了！")},
        {329, " Can play"},
        {345, "Exit(&E)"},
        {245, QString::fromUtf8("結束(&E)")},
        {216, QString::fromUtf8("說明(&H)")},
        {353, "Open(&O)..."},
        {365, "Kavelo LrcShow"},
        {165, QString::fromUtf8("Kavelo 桌面歌词")},
        {262, QString::fromUtf8(
                  "請輸入您所要播放的多媒體檔案的 URL 或路徑(位於網際網路、電腦或網路)。")},
    };
    for (const auto& [id, expected] : cases)
        EXPECT_EQ(Strings::text(id), expected) << id;
    // The Chinese start-at-login failure carries three real parts; English has full stops.
    EXPECT_NE(Strings::text(140), ".");
    EXPECT_NE(Strings::text(241), ".");
}

TEST(StringsTest, MessageJoinsLanguageAndCode) {
    EXPECT_EQ(Strings::message("3", MessageCode::FirstStartHint), Strings::text(322));
    EXPECT_EQ(Strings::message("2", MessageCode::ModeMusic), Strings::text(223));
    EXPECT_EQ(Strings::message("1", MessageCode::OkButton), Strings::text(100));
    // Anything but "2" or "3" is Simplified Chinese.
    EXPECT_EQ(Strings::message("4", MessageCode::NoLyrics), Strings::text(143));
    EXPECT_EQ(Strings::message("", MessageCode::NoLyrics), Strings::text(143));
    // Every code exists in every language.
    for (int code = 0; code < Strings::kCodeCount; ++code) {
        for (const char* language : {"1", "2", "3"})
            EXPECT_FALSE(Strings::message(language, MessageCode(code)).isEmpty()) << code;
    }
}

}  // namespace
