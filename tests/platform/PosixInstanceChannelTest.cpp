#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "platform/posix/PosixInstanceChannel.h"
#include "support/TempEnvironment.h"

using mirato::PosixInstanceChannel;

namespace {

// The program itself, started a second time.
QProcess* secondStart(const QStringList& arguments) {
    auto* process = new QProcess;
    process->start(MIRATO_TEST_PROGRAM, arguments);
    return process;
}

TEST(PosixInstanceChannelTest, ASecondStartHandsOverAndEnds) {
    PosixInstanceChannel first;
    ASSERT_TRUE(first.acquire());
    ASSERT_TRUE(first.listen());
    QSignalSpy received(&first, &PosixInstanceChannel::executeReceived);

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

    // A file named from the folder the second start was typed in arrives as that file.
    mirato::test::TempEnvironment env;
    const QString song = env.writeFile("song.mp3", "x");
    QProcess relative;
    relative.setWorkingDirectory(env.path());
    relative.start(MIRATO_TEST_PROGRAM, {"song.mp3"});
    ASSERT_TRUE(relative.waitForFinished(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 4; }));
    EXPECT_EQ(received.at(3).first().toString(), "CommandLine=" + song);
}

TEST(PosixInstanceChannelTest, OnlyALiveHolderKeepsTheLock) {
    {
        // What a crashed instance leaves behind: the file, with whatever it held.
        QFile leftover(PosixInstanceChannel::lockPath());
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
        leftover.write("12345\nmirato\nsomehost\n");
    }
    auto first = std::make_unique<PosixInstanceChannel>();
    EXPECT_TRUE(first->acquire());
    PosixInstanceChannel second;
    EXPECT_FALSE(second.acquire());
    first.reset();
    PosixInstanceChannel third;
    EXPECT_TRUE(third.acquire());
}

TEST(PosixInstanceChannelTest, ASilentFirstInstanceStillLetsTheSecondEnd) {
    PosixInstanceChannel first;
    ASSERT_TRUE(first.acquire());  // holds the lock but never listens
    std::unique_ptr<QProcess> second(secondStart({"/music/a.mp3"}));
    ASSERT_TRUE(second->waitForFinished(5000));
    EXPECT_EQ(second->exitCode(), 0);
}

TEST(PosixInstanceChannelTest, GarbageAndOversizeMessagesAreDropped) {
    PosixInstanceChannel first;
    ASSERT_TRUE(first.acquire());
    ASSERT_TRUE(first.listen());
    QSignalSpy received(&first, &PosixInstanceChannel::executeReceived);

    QLocalSocket socket;
    socket.connectToServer(PosixInstanceChannel::socketPath());
    ASSERT_TRUE(socket.waitForConnected(1000));
    socket.write("\xff\xfe\xfd not text\n");
    socket.write("CommandLine=/music/caf\xC3\n");  // a sequence cut off at the line's end
    socket.write("Count\n");
    socket.write(QByteArray(PosixInstanceChannel::kMaxMessageBytes + 10, 'x') + "\n");
    socket.write("CommandLine=/never/seen.mp3\n");
    socket.flush();
    // An oversize message ends the connection: all it sent has been read then.
    ASSERT_TRUE(QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }));
    ASSERT_EQ(received.count(), 1);
    EXPECT_EQ(received.first().first().toString(), "Count");
}

TEST(PosixInstanceChannelTest, LinesArrivingInPiecesAreJoinedAndOnlyTheUserMayConnect) {
    PosixInstanceChannel first;
    ASSERT_TRUE(first.acquire());
    ASSERT_TRUE(first.listen());
    QFileInfo socketFile(PosixInstanceChannel::socketPath());
    EXPECT_EQ(socketFile.permissions() &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
    QSignalSpy received(&first, &PosixInstanceChannel::executeReceived);

    QLocalSocket socket;
    socket.connectToServer(PosixInstanceChannel::socketPath());
    ASSERT_TRUE(socket.waitForConnected(1000));
    socket.write("Cou");
    socket.flush();
    QCoreApplication::processEvents();
    socket.write("nt\nCommandLine=/music/ä b.mp3\nunfinished");
    socket.flush();
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 2; }));
    EXPECT_EQ(received.at(0).first().toString(), "Count");
    EXPECT_EQ(received.at(1).first().toString(), QString::fromUtf8("CommandLine=/music/ä b.mp3"));
    socket.disconnectFromServer();  // the unfinished line goes with the connection
    QLocalSocket next;
    next.connectToServer(PosixInstanceChannel::socketPath());
    ASSERT_TRUE(next.waitForConnected(1000));
    next.write("Toggle\n");
    next.flush();
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 3; }));
    EXPECT_EQ(received.at(2).first().toString(), "Toggle");
}

TEST(PosixInstanceChannelTest, OnlyOneFirstInstance) {
    PosixInstanceChannel first;
    PosixInstanceChannel second;
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
}

// Without a runtime folder the channel lives in the shared temp folder, but only in a folder
// this user made and alone can enter.
TEST(PosixInstanceChannelTest, ATempFolderNotOursIsNeverUsed) {
    mirato::test::TempEnvironment env;
    env.unset("XDG_RUNTIME_DIR");
    env.set("TMPDIR", env.path());
    const QString expected = env.path("mirato-" + QString::number(getuid()));
    {
        PosixInstanceChannel first;
        EXPECT_EQ(PosixInstanceChannel::folder(), expected);
        EXPECT_TRUE(first.acquire());
        EXPECT_TRUE(first.listen());
        EXPECT_EQ(QFileInfo(expected).permissions() & 0x0077, QFile::Permissions());
    }
    // Someone else's (here: open to everyone) folder, or a link to one, is refused.
    ASSERT_EQ(::chmod(QFile::encodeName(expected).constData(), 0777), 0);
    EXPECT_EQ(PosixInstanceChannel::folder(), QString());
    PosixInstanceChannel refused;
    EXPECT_TRUE(refused.acquire());  // it runs, on its own
    EXPECT_FALSE(refused.listen());
    EXPECT_FALSE(refused.send("Count"));
    QDir(expected).removeRecursively();
    ASSERT_TRUE(QFile::link(env.path(), expected));
    EXPECT_EQ(PosixInstanceChannel::folder(), QString());
}

}  // namespace
