#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "app/SingleInstance.h"

using mirato::SingleInstance;

namespace {

// The program itself, started a second time.
QProcess* secondStart(const QStringList& arguments) {
    auto* process = new QProcess;
    process->start(MIRATO_TEST_PROGRAM, arguments);
    return process;
}

TEST(SingleInstanceTest, ASecondStartHandsOverAndEnds) {
    SingleInstance first;
    ASSERT_TRUE(first.acquire());
    ASSERT_TRUE(first.listen());
    QSignalSpy received(&first, &SingleInstance::executeReceived);

    std::unique_ptr<QProcess> bare(secondStart({}));
    ASSERT_TRUE(bare->waitForFinished(5000));
    EXPECT_EQ(bare->exitCode(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 1; }));
    EXPECT_EQ(received.takeFirst().first().toString(), "Count");

    std::unique_ptr<QProcess> withFile(secondStart({"/music/my song.mp3"}));
    ASSERT_TRUE(withFile->waitForFinished(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 2; }));
    EXPECT_EQ(received.at(0).first().toString(), "Count");
    EXPECT_EQ(received.at(1).first().toString(), "CommandLine=/music/my song.mp3");
}

TEST(SingleInstanceTest, OnlyALiveHolderKeepsTheLock) {
    {
        // What a crashed instance leaves behind: the file, with whatever it held.
        QFile leftover(SingleInstance::lockPath());
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
        leftover.write("12345\nmirato\nsomehost\n");
    }
    auto first = std::make_unique<SingleInstance>();
    EXPECT_TRUE(first->acquire());
    SingleInstance second;
    EXPECT_FALSE(second.acquire());
    first.reset();
    SingleInstance third;
    EXPECT_TRUE(third.acquire());
}

TEST(SingleInstanceTest, ASilentFirstInstanceStillLetsTheSecondEnd) {
    SingleInstance first;
    ASSERT_TRUE(first.acquire());  // holds the lock but never listens
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProcess> second(secondStart({"/music/a.mp3"}));
    ASSERT_TRUE(second->waitForFinished(5000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_LT(clock.elapsed(), 3000);
}

TEST(SingleInstanceTest, GarbageAndOversizeMessagesAreDropped) {
    SingleInstance first;
    ASSERT_TRUE(first.acquire());
    ASSERT_TRUE(first.listen());
    QSignalSpy received(&first, &SingleInstance::executeReceived);

    QLocalSocket socket;
    socket.connectToServer(SingleInstance::socketPath());
    ASSERT_TRUE(socket.waitForConnected(1000));
    socket.write("\xff\xfe\xfd not text\n");
    socket.write("Count\n");
    socket.write(QByteArray(SingleInstance::kMaxMessageBytes + 10, 'x') + "\n");
    socket.write("CommandLine=/never/seen.mp3\n");
    socket.flush();
    QTest::qWait(300);
    ASSERT_EQ(received.count(), 1);
    EXPECT_EQ(received.first().first().toString(), "Count");
}

TEST(SingleInstanceTest, LinesArrivingInPiecesAreJoinedAndOnlyTheUserMayConnect) {
    SingleInstance first;
    ASSERT_TRUE(first.acquire());
    ASSERT_TRUE(first.listen());
    QFileInfo socketFile(SingleInstance::socketPath());
    EXPECT_EQ(socketFile.permissions() &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
    QSignalSpy received(&first, &SingleInstance::executeReceived);

    QLocalSocket socket;
    socket.connectToServer(SingleInstance::socketPath());
    ASSERT_TRUE(socket.waitForConnected(1000));
    socket.write("Cou");
    socket.flush();
    QTest::qWait(50);
    EXPECT_EQ(received.count(), 0);
    socket.write("nt\nCommandLine=/music/ä b.mp3\nunfinished");
    socket.flush();
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 2; }));
    EXPECT_EQ(received.at(1).first().toString(), QString::fromUtf8("CommandLine=/music/ä b.mp3"));
    socket.disconnectFromServer();  // the unfinished line goes with the connection
    QTest::qWait(50);
    EXPECT_EQ(received.count(), 2);
}

TEST(SingleInstanceTest, OnlyOneFirstInstance) {
    SingleInstance first;
    SingleInstance second;
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
}

}  // namespace
