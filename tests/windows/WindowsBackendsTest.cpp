// The Windows backends against the real thing (under Wine: its registry, pipes and hot keys).
#include <gtest/gtest.h>
#include <windows.h>

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <thread>

#include "lyrics/LyricsText.h"
#include "platform/FileStamp.h"
#include "platform/TextDecoding.h"
#include "platform/windows/UserRegistry.h"
#include "platform/windows/WindowsClassStore.h"
#include "platform/windows/WindowsHotKey.h"
#include "platform/windows/WindowsIdleClock.h"
#include "platform/windows/WindowsInstanceChannel.h"
#include "platform/windows/WindowsRunKey.h"
#include "support/TempEnvironment.h"

using namespace mirato;

namespace {

const QString kClasses = QStringLiteral("Software\\Classes\\");

AssociationRow mp3Row() {
    return {QStringLiteral(".mp3"),    QStringLiteral("Mirato.mp3"), QStringLiteral("music"),
            QStringLiteral("mp3.ico"), QStringLiteral("MP3"),        QStringLiteral("audio/mpeg")};
}

}  // namespace

TEST(WindowsRunKeyTest, TheProgramStartsAtLogonFromAQuotedPath) {
    WindowsRunKey key;
    key.remove();
    EXPECT_EQ(key.read(), std::nullopt);
    const QString program =
        QStringLiteral("C:/Users/Some One/AppData/Local/Programs/Mirato/mirato.exe");
    EXPECT_EQ(key.write(program), LoginEntryStore::WriteResult::Written);
    EXPECT_EQ(
        UserRegistry::read(QLatin1String(WindowsRunKey::kKey), QStringLiteral("Mirato")),
        QStringLiteral("\"C:\\Users\\Some One\\AppData\\Local\\Programs\\Mirato\\mirato.exe\""));
    EXPECT_EQ(key.read(),
              QStringLiteral("C:\\Users\\Some One\\AppData\\Local\\Programs\\Mirato\\mirato.exe"));
    EXPECT_TRUE(key.remove());
    EXPECT_EQ(key.read(), std::nullopt);
    EXPECT_TRUE(key.remove());  // gone already
}

TEST(WindowsClassStoreTest, TakesATypeOverAndGivesItBack) {
    const AssociationRow row = mp3Row();
    UserRegistry::removeTree(kClasses + row.extension);
    UserRegistry::removeTree(kClasses + row.className);
    UserRegistry::write(kClasses + row.extension, {}, QStringLiteral("Other.mp3"));

    WindowsClassStore store(QStringLiteral("C:/Mirato/mirato.exe"),
                            QStringLiteral("C:/Mirato/RunIco"));
    EXPECT_EQ(store.currentHandler(row), QStringLiteral("Other.mp3"));
    store.registerHandler(row);
    store.setHandler(row, store.handlerName(row));
    store.refresh();
    EXPECT_EQ(store.currentHandler(row), QStringLiteral("Mirato.mp3"));
    struct Value {
        const char* key;
        const char* name;
        const char* data;
    };
    const Value values[] = {
        {"Mirato.mp3", "", "music"},
        {"Mirato.mp3\\DefaultIcon", "", "C:\\Mirato\\RunIco\\mp3.ico"},
        {"Mirato.mp3\\shell\\open\\command", "", "\"C:\\Mirato\\mirato.exe\" \"%1\""},
        {".mp3\\OpenWithProgids", "Mirato.mp3", ""},
    };
    for (const Value& value : values) {
        SCOPED_TRACE(value.key);
        EXPECT_EQ(
            UserRegistry::read(kClasses + QLatin1String(value.key), QLatin1String(value.name)),
            QString::fromUtf8(value.data));
    }
    store.setHandler(row, QStringLiteral("Other.mp3"));
    EXPECT_EQ(store.currentHandler(row), QStringLiteral("Other.mp3"));

    // The user's own choice in Explorer is what opens the type, whatever the default says.
    const QString choice = QStringLiteral(
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.mp3\\UserChoice");
    UserRegistry::write(choice, QStringLiteral("ProgId"), QStringLiteral("Chosen.mp3"));
    EXPECT_EQ(store.currentHandler(row), QStringLiteral("Chosen.mp3"));
    UserRegistry::removeTree(choice);
}

TEST(WindowsHotKeyTest, AltRComesAsActivatedAndAKeyHeldElsewhereIsTaken) {
    {
        WindowsHotKey key;
        QSignalSpy bound(&key, &GlobalShortcut::bound);
        QSignalSpy activated(&key, &GlobalShortcut::activated);
        key.bind(QStringLiteral("Show"));
        ASSERT_EQ(bound.size(), 1);
        EXPECT_TRUE(key.isRegistered());
        // What Windows posts when the key is pressed.
        PostThreadMessageW(GetCurrentThreadId(), WM_HOTKEY, 0x4d52, MAKELPARAM(MOD_ALT, 'R'));
        EXPECT_TRUE(QTest::qWaitFor([&] { return activated.size() == 1; }, 2000));
        key.release();
        EXPECT_FALSE(key.isRegistered());
    }
    // Another program's registration, made on a thread of its own.
    bool held = false;
    std::thread other([&] { held = RegisterHotKey(nullptr, 7, MOD_ALT | MOD_NOREPEAT, 'R'); });
    other.join();
    ASSERT_TRUE(held);
    WindowsHotKey key;
    QSignalSpy unavailable(&key, &GlobalShortcut::unavailable);
    key.bind(QStringLiteral("Show"));
    ASSERT_EQ(unavailable.size(), 1);
    EXPECT_EQ(unavailable.first().first().value<GlobalShortcut::Problem>(),
              GlobalShortcut::Problem::Taken);
}

TEST(WindowsIdleClockTest, CountsFromTheLastInput) {
    WindowsIdleClock clock;
    const auto first = clock.idleMilliseconds();
    ASSERT_TRUE(first.has_value());
    QTest::qWait(300);
    const auto later = clock.idleMilliseconds();
    ASSERT_TRUE(later.has_value());
    EXPECT_GE(*later, *first);
}

TEST(WindowsInstanceChannelTest, TheFirstStartHoldsItAndLaterStartsHandTheirLinesOver) {
    WindowsInstanceChannel first;
    ASSERT_TRUE(first.acquire());
    ASSERT_TRUE(first.listen());
    WindowsInstanceChannel second;
    EXPECT_FALSE(second.acquire());
    QSignalSpy received(&first, &InstanceChannel::executeReceived);
    bool forwarded = false;
    std::thread later([&] { forwarded = second.forward(QStringLiteral("D:\\音乐\\a b.mp3")); });
    while (!QTest::qWaitFor([&] { return received.size() >= 2; }, 50) && !forwarded)
        ;
    later.join();
    EXPECT_TRUE(forwarded);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() >= 2; }, 2000));
    EXPECT_EQ(received.at(0).first().toString(), QStringLiteral("Count"));
    EXPECT_EQ(received.at(1).first().toString(), QStringLiteral("CommandLine=D:\\音乐\\a b.mp3"));
}

TEST(WindowsInstanceChannelTest, WithNobodyListeningTheHandOverFails) {
    WindowsInstanceChannel alone;
    EXPECT_FALSE(alone.send(QStringLiteral("Toggle")));
}

TEST(TextDecodingTest, LegacyChineseComesFromTheCodePages) {
    struct Row {
        QByteArray bytes;
        const char* encoding;
        std::optional<QString> text;
    };
    const Row rows[] = {
        {QByteArray("\xC4\xE3\xBA\xC3"), "GB18030", QString::fromUtf8("你好")},
        {QByteArray("\xC4\xE3\xBA\xC3"), "GBK", QString::fromUtf8("你好")},
        {QByteArray("\xA7\x41\xA6\x6E"), "BIG5", QString::fromUtf8("你好")},
        {QByteArray("\xFF\xFF"), "BIG5", std::nullopt},
        {QByteArray("h\0i\0", 4), "UTF-16LE", QStringLiteral("hi")},
        {QByteArray("x"), "NO-SUCH-ENCODING", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.encoding);
        EXPECT_EQ(TextDecoding::decode(row.bytes, row.encoding), row.text);
    }
}

// Lyrics files in the legacy Chinese encodings read as on Linux, where iconv reads them.
TEST(TextDecodingTest, LegacyLyricsReadTheirLines) {
    struct Row {
        const char* name;
        QByteArray bytes;
        QStringList lines;
    };
    const Row rows[] = {
        {"GBK",
         "[00:01.00]\xC4\xE3\xBA\xC3\xCA\xC0\xBD\xE7\n[00:02.50]\xD4\xC2\xC1\xC1\xB4\xFA\xB1"
         "\xED\xCE\xD2\xB5\xC4\xD0\xC4\n",
         {QString::fromUtf8("[00:01.00]你好世界"), QString::fromUtf8("[00:02.50]月亮代表我的心")}},
        {"Big5",
         "[00:01.00]\xBB\xB4\xBB\xB4\xAA\xBA\xA4@\xAD\xD3\xA7k\n[00:03.00]\xA4\xEB\xABG\xA5N"
         "\xAA\xED\xA7\xDA\xAA\xBA\xA4\xDF\n",
         {QString::fromUtf8("[00:01.00]輕輕的一個吻"),
          QString::fromUtf8("[00:03.00]月亮代表我的心")}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LyricsText::decodeLines(row.bytes), row.lines);
    }
}

TEST(FileStampTest, AReplacedFileIsAnotherFile) {
    test::TempEnvironment env;
    const QString path = env.writeFile(QStringLiteral("a.lrc"), "one");
    const auto before = FileStamp::of(path);
    ASSERT_TRUE(before.has_value());
    EXPECT_EQ(FileStamp::of(path), before);
    const QString other = env.writeFile(QStringLiteral("b.lrc"), "two");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(other, path));
    EXPECT_NE(FileStamp::of(path), before);
    EXPECT_EQ(FileStamp::of(env.path(QStringLiteral("none"))), std::nullopt);
}
