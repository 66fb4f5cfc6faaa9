#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QFile>
#include <atomic>
#include <thread>

#include "core/ProfileFile.h"
#include "support/TempEnvironment.h"

using mirato::ProfileFile;
using mirato::test::TempEnvironment;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    TempEnvironment env;
    ProfileFile ini{env.path(QStringLiteral("Mirato.dat"))};
};

TEST_F(ProfileFileTest, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(ini.read("Option", "Skin"), "");
    env.writeFile("Mirato.dat", "[Other]\nSkin=Green\n[Option]\nTM=100\n");
    EXPECT_EQ(ini.read("Option", "Skin"), "");
    EXPECT_EQ(ini.read("Nothing", "TM"), "");
    EXPECT_EQ(ini.read("Option", "TM"), "100");
}

TEST_F(ProfileFileTest, NamesMatchWhateverTheirCase) {
    env.writeFile("Mirato.dat", "[OPTION]\nskin = Purple\n");
    EXPECT_EQ(ini.read("Option", "Skin"), "Purple");
    ASSERT_TRUE(ini.write("option", "SKIN", "Green"));
    EXPECT_EQ(ini.read("Option", "Skin"), "Green");
    // Replaced in place, not added a second time.
    EXPECT_EQ(env.readFile("Mirato.dat").count("Green"), 1);
    EXPECT_EQ(env.readFile("Mirato.dat").count("Purple"), 0);
}

TEST_F(ProfileFileTest, ValuesAreCutAndTrimmedLikeTheProfileCalls) {
    struct Case {
        const char* name;
        QString written;
        QString stored;  // what lands in the file after "key="
        QString read;
    };
    const QString a130(130, QLatin1Char('a'));
    const QString han70(70, QChar(0x6B4C));  // 3 bytes each in UTF-8
    const Case cases[] = {
        {"blanks around", "  Blue  ", "  Blue  ", "Blue"},
        {"130 characters", a130, a130.left(128), a130.left(127)},
        {"non-ASCII cut at 127 bytes", han70, han70, han70.left(42)},
        {"line breaks", "one\ntwo\r\n", "one two  ", "one two"},
        {"empty", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ini.write("Option", "Key", c.written));
        const QString file = QString::fromUtf8(env.readFile("Mirato.dat"));
        EXPECT_TRUE(file.contains("Key=" + c.stored + "\n")) << file.toStdString();
        EXPECT_EQ(ini.read("Option", "Key"), c.read);
    }
}

TEST_F(ProfileFileTest, WriteKeepsOtherLinesCommentsAndOrder) {
    env.writeFile("Mirato.dat",
                  "; written by hand\r\n[Option]\r\nLanguage=3\r\n\r\nTM=90\r\n\r\n"
                  "[Plugins]\r\nx=1\r\n");
    ASSERT_TRUE(ini.write("Option", "Skin", "Green"));
    ASSERT_TRUE(ini.write("Option", "TM", "200"));
    ASSERT_TRUE(ini.write("New", "k", "v"));
    EXPECT_EQ(env.readFile("Mirato.dat"),
              "; written by hand\r\n[Option]\r\nLanguage=3\r\n\r\nTM=200\r\nSkin=Green\r\n\r\n"
              "[Plugins]\r\nx=1\r\n[New]\r\nk=v\r\n");
}

// The file is shared with plug-ins and may come from elsewhere: a write changes one key's line
// and leaves every other byte as it was, whatever its encoding or line ends.
TEST_F(ProfileFileTest, AWriteChangesOneLineAndNoOtherByte) {
    const struct {
        const char* what;
        QByteArray before;
        const char* section;
        const char* key;
        const char* value;
        QByteArray after;
    } rows[] = {
        {"Latin-1 in another section", "[Other]\nFoo=caf\xe9 au lait\n[Option]\nTM=90\n", "Option",
         "TM", "128", "[Other]\nFoo=caf\xe9 au lait\n[Option]\nTM=128\n"},
        {"GBK in the same section", "[Option]\nLrc=\xc4\xe3\xba\xc3\r\nTM=90\r\n", "Option", "TM",
         "128", "[Option]\nLrc=\xc4\xe3\xba\xc3\r\nTM=128\r\n"},
        {"a new key after mixed line ends", "[Option]\r\nA=1\nB=\xff\r\n[Z]\n", "Option", "C", "3",
         "[Option]\r\nA=1\nB=\xff\r\nC=3\r\n[Z]\n"},
        {"no line end at the end", "[Option]\nA=\xe9", "Option", "B", "2",
         "[Option]\nA=\xe9\nB=2\n"},
        {"a new section after a last line without end", "; \xb0\xa1\n[A]\nx=1", "Option", "B", "2",
         "; \xb0\xa1\n[A]\nx=1\n[Option]\nB=2\n"},
        {"a byte order mark and comments", "\xef\xbb\xbf# mine\n[Option]\n; keep\nTM=1\n", "option",
         "tm", "2", "\xef\xbb\xbf# mine\n[Option]\n; keep\ntm=2\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        env.writeFile("Mirato.dat", row.before);
        ASSERT_TRUE(ini.write(row.section, row.key, row.value));
        EXPECT_EQ(env.readFile("Mirato.dat"), row.after);
    }
}

TEST_F(ProfileFileTest, FirstWriteCreatesFileAndFolder) {
    ProfileFile nested(env.path("a/b/Mirato.dat"));
    ASSERT_TRUE(nested.write("Option", "OneRun", "1"));
    EXPECT_EQ(env.readFile("a/b/Mirato.dat"), "[Option]\nOneRun=1\n");
}

TEST_F(ProfileFileTest, FailedWriteReturnsFalseAndKeepsTheOldFile) {
    // A folder that is a plain file cannot hold the settings.
    env.writeFile("blocked", "not a folder");
    EXPECT_FALSE(ProfileFile(env.path("blocked/Mirato.dat")).write("Option", "TM", "1"));

    // A disk that refuses more bytes: the old file must survive whole. (A file size limit
    // stops root too, unlike permissions.)
    const QByteArray old = "[Option]\nSkin=Blue\n";
    env.writeFile("Mirato.dat", old);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool written = ini.write("Option", "Skin", QString(100, QLatin1Char('x')));
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(env.readFile("Mirato.dat"), old);
}

TEST_F(ProfileFileTest, ReaderRacingWritersAlwaysSeesAWholeFile) {
    // Plug-ins read the file while the program writes it.
    for (int i = 0; i < 20; ++i)
        ini.write("Option", QStringLiteral("Filler%1").arg(i), QString(100, QLatin1Char('f')));
    const QString first(120, QLatin1Char('1'));
    const QString second(120, QLatin1Char('2'));
    ini.write("Option", "LRC", first);

    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!done) {
            const QString lrc = ini.read("Option", "LRC");
            const QString last = ini.read("Option", "Filler19");
            if ((lrc != first.left(127) && lrc != second.left(127)) || last.size() != 100)
                ++torn;
        }
    });
    for (int i = 0; i < 300; ++i)
        ini.write("Option", "LRC", i % 2 ? first : second);
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0);
}

}  // namespace
