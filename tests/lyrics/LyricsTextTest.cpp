#include <gtest/gtest.h>

#include <QStringEncoder>

#include "lyrics/LyricsText.h"
#include "support/TempEnvironment.h"

using namespace mirato;

namespace {

QByteArray encoded(const QString& text, const char* encoding) {
    QStringEncoder encoder(encoding);
    return encoder(text);
}

TEST(LyricsTextTest, ChineseLyricsNeverTurnIntoMojibake) {
    const QString simplified = QString::fromUtf8(
        "[ti:月亮代表我的心]\r\n[00:01.00]你问我爱你有多深\r\n[00:05.50]我爱你有几分\r\n"
        "[00:10.00]我的情也真 我的爱也真\r\n[00:15.00]月亮代表我的心\r\n");
    const QString traditional = QString::fromUtf8(
        "[00:01.00]你問我愛你有多深\n[00:05.50]我愛你有幾分\n[00:10.00]輕輕的一個吻\n"
        "[00:15.00]已經打動我的心\n");
    const QStringList expectedSimplified = simplified.split("\r\n", Qt::SkipEmptyParts);
    const QStringList expectedTraditional = traditional.split("\n", Qt::SkipEmptyParts);
    const std::tuple<const char*, QByteArray, QStringList> cases[] = {
        {"UTF-8", simplified.toUtf8(), expectedSimplified},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + simplified.toUtf8(), expectedSimplified},
        {"UTF-16LE with BOM", "\xFF\xFE" + encoded(simplified, "UTF-16LE"), expectedSimplified},
        {"GBK", encoded(simplified, "GB18030"), expectedSimplified},
        {"Big5", encoded(traditional, "Big5"), expectedTraditional},
        {"plain ASCII", "[00:01]la la\n", {"[00:01]la la"}},
    };
    for (const auto& [name, bytes, lines] : cases) {
        ASSERT_FALSE(bytes.isEmpty()) << name;
        EXPECT_EQ(LyricsText::decodeLines(bytes), lines) << name;
    }
}

// Short samples give a detector little to go on: one word, one line and a whole song come
// back as they were written, in each encoding lyrics come in.
TEST(LyricsTextTest, ShortAndLongSamplesInEveryEncoding) {
    const QString simplified[] = {
        QString::fromUtf8("你好"), QString::fromUtf8("你好世界"),
        QString::fromUtf8("[00:01.00]你好世界"),
        QString::fromUtf8("[ar:歌手]\n[00:01.00]我爱你有几分\n[00:05.00]月亮代表我的心\n"
                          "[00:09.00]轻轻的一个吻，已经打动我的心")};
    const QString traditional[] = {
        QString::fromUtf8("妳好"), QString::fromUtf8("你好世界"),
        QString::fromUtf8("[00:01.00]輕輕的一個吻"),
        QString::fromUtf8("[ar:歌手]\n[00:01.00]我愛你有幾分\n[00:05.00]月亮代表我的心\n"
                          "[00:09.00]深深的一段情，教我思念到如今")};
    const auto check = [](const QString& text, const QByteArray& bytes, const char* encoding) {
        EXPECT_EQ(LyricsText::decodeLines(bytes), text.split('\n'))
            << encoding << " " << text.toStdString();
    };
    for (const QString& text : simplified) {
        check(text, text.toUtf8(), "UTF-8");
        check(text, "\xEF\xBB\xBF" + text.toUtf8(), "UTF-8 with BOM");
        check(text, "\xFF\xFE" + encoded(text, "UTF-16LE"), "UTF-16LE");
        check(text, "\xFE\xFF" + encoded(text, "UTF-16BE"), "UTF-16BE");
        check(text, encoded(text, "GB18030"), "GBK");
        if (text.startsWith('['))  // tags give away UTF-16 without a mark
            check(text, encoded(text, "UTF-16LE"), "UTF-16LE without BOM");
    }
    for (const QString& text : traditional)
        check(text, encoded(text, "Big5"), "Big5");
}

TEST(LyricsTextTest, ReadingAFileThatIsGoneFails) {
    mirato::test::TempEnvironment env;
    EXPECT_FALSE(LyricsText::readLines(env.path("none.lrc")).has_value());
    const QString path = env.writeFile("a.lrc", "[00:01]x\r\n\r\n[00:02]y");
    EXPECT_EQ(*LyricsText::readLines(path), (QStringList{"[00:01]x", "", "[00:02]y"}));
}

TEST(LyricsTextTest, ShownPartAndTrailingBlanks) {
    EXPECT_EQ(LyricsText::shownPart("[00:12.00][01:40.00]Chorus"), "Chorus");
    EXPECT_EQ(LyricsText::shownPart("no tag 00:12"), "no tag 00:12");
    EXPECT_EQ(LyricsText::shownPart("[00:12]"), "");
    EXPECT_EQ(LyricsText::trimTrailingBlanks(QString("end  ") + QChar(0) + " "), "end");
    EXPECT_EQ(LyricsText::trimTrailingBlanks("   "), "");
    EXPECT_EQ(LyricsText::trimTrailingBlanks(" mid dle"), " mid dle");
}

}  // namespace
