#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include "HandBack.h"
#include "LrclibClient.h"
#include "SearchTexts.h"
#include "SearchWindow.h"
#include "support/Recorders.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::lyricsearch;
using namespace mirato::test;

namespace {

// A lyrics service on 127.0.0.1 with a canned answer.
class FakeService : public QObject {
public:
    FakeService() {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                request += socket->readAll();
                if (!request.contains("\r\n\r\n"))
                    return;
                QTimer::singleShot(delayMs, socket, [this, socket] {
                    socket->write("HTTP/1.1 " + status +
                                  "\r\nContent-Type: application/json\r\n"
                                  "Content-Length: " +
                                  QByteArray::number(body.size()) +
                                  "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            });
        });
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()));
    }
    // The decoded q parameter of the last request.
    QString query() const {
        const QByteArray line = request.left(request.indexOf("\r\n"));
        const QUrl target(QString::fromLatin1(line.split(' ').value(1)));
        return QUrlQuery(target).queryItemValue("q", QUrl::FullyDecoded);
    }
    // The value of a header of the last request; header names are compared without case, as
    // HTTP has them (Qt 6.8 sends them in lower case).
    QByteArray header(const QByteArray& name) const {
        const QList<QByteArray> lines = request.left(request.indexOf("\r\n\r\n")).split('\n');
        for (const QByteArray& line : lines) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
                return line.mid(colon + 1).trimmed();
        }
        return {};
    }

    QTcpServer server;
    QByteArray request;
    QByteArray status = "200 OK";
    QByteArray body = "[]";
    int delayMs = 0;
};

const QByteArray kHits = R"([
  {"trackName":"Moon River","artistName":"Singer","albumName":"Best","duration":165.2,
   "syncedLyrics":null,"plainLyrics":"plain only"},
  {"trackName":"Moon River","artistName":"Other","albumName":"","duration":170,
   "syncedLyrics":"[00:01.00]Moon river\n[00:05.00]wider than a mile\n","plainLyrics":"x"}
])";

class LyricsSearchTest : public ::testing::Test {
protected:
    LyricsSearchTest() { client.setTimeout(500); }
    std::unique_ptr<SearchWindow> window(const QString& title = "Moon River") {
        return std::make_unique<SearchWindow>(
            SearchWindow::Setup{Language::English, title, "/music/Moon River", "/opt/mirato"},
            client, handBack);
    }
    bool waitForStatus(SearchWindow& w, const QString& expected, int ms = 3000) {
        return QTest::qWaitFor([&] { return w.status() == expected; }, ms);
    }

    TempEnvironment env;
    FakeService service;
    LrclibClient client{service.url()};
    RecordingLauncher launcher;
    HandBack handBack{env.path("cache"), launcher};
};

TEST_F(LyricsSearchTest, SearchListsTimedLyricsFirstAndHandsThemBack) {
    service.body = kHits;
    auto w = window(QString::fromUtf8("月亮代表我的心 & a+b"));
    w->search();
    ASSERT_TRUE(waitForStatus(*w, text(Language::English, Text::Found).arg(2)));
    EXPECT_EQ(service.query(), QString::fromUtf8("月亮代表我的心 & a+b"));
    EXPECT_TRUE(service.header("User-Agent").startsWith("Mirato-LyricsSearch v1.0 "));
    ASSERT_EQ(w->hitList()->count(), 2);
    EXPECT_EQ(w->hitList()->item(0)->text(), "Other - Moon River  2:50");
    EXPECT_EQ(w->hitList()->item(1)->text(), "Singer - Moon River (Best)  2:45");
    EXPECT_TRUE(w->useButton()->isEnabled());

    w->hitList()->setCurrentRow(1);  // plain lyrics only: cannot follow the song
    EXPECT_FALSE(w->useButton()->isEnabled());
    EXPECT_EQ(w->status(), text(Language::English, Text::OnlyPlain));

    w->hitList()->setCurrentRow(0);
    ASSERT_TRUE(w->useChosen());
    EXPECT_EQ(env.readFile("cache/Moon River.wrc"),
              "[00:01.00]Moon river\n[00:05.00]wider than a mile\n");
    EXPECT_EQ(launcher.launches.size(), 1);
    EXPECT_EQ(launcher.launches.first().command,
              (Command{"/opt/mirato/mirato", {env.path("cache/Moon River.wrc")}}));
}

// The service's numbers are whatever it sends: out-of-range durations show no time.
TEST_F(LyricsSearchTest, DurationsOutOfRangeShowNoTime) {
    service.body = R"([
      {"trackName":"A","artistName":"X","duration":3e9,"syncedLyrics":"[00:01.00]a"},
      {"trackName":"B","artistName":"X","duration":-5,"syncedLyrics":"[00:01.00]b"},
      {"trackName":"C","artistName":"X","duration":1e300,"syncedLyrics":"[00:01.00]c"}])";
    auto w = window();
    w->search();
    ASSERT_TRUE(waitForStatus(*w, text(Language::English, Text::Found).arg(3)));
    QStringList labels;
    for (int i = 0; i < w->hitList()->count(); ++i)
        labels.append(w->hitList()->item(i)->text());
    labels.sort();
    EXPECT_EQ(labels, (QStringList{"X - A", "X - B", "X - C"}));
}

TEST_F(LyricsSearchTest, EveryFailureEndsInASentence) {
    struct Case {
        const char* name;
        QByteArray status;
        QByteArray body;
        int delayMs;
        QString expected;
    };
    const Case cases[] = {
        {"empty list", "200 OK", "[]", 0, text(Language::English, Text::NothingFound)},
        {"not found", "404 Not Found", "{}", 0, text(Language::English, Text::HttpError).arg(404)},
        {"server error", "500 Internal Server Error", "oops", 0,
         text(Language::English, Text::HttpError).arg(500)},
        {"malformed", "200 OK", "[{\"trackName\": ", 0, text(Language::English, Text::BadAnswer)},
        {"slow", "200 OK", kHits, 2000, text(Language::English, Text::TimedOut)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        service.status = c.status;
        service.body = c.body;
        service.delayMs = c.delayMs;
        service.request.clear();
        auto w = window();
        w->search();
        EXPECT_TRUE(waitForStatus(*w, c.expected)) << w->status().toStdString();
        EXPECT_FALSE(w->useButton()->isEnabled());
    }
    LrclibClient offline{QUrl("http://127.0.0.1:9")};  // nothing listens
    auto w = std::make_unique<SearchWindow>(SearchWindow::Setup{Language::English, "x", "", ""},
                                            offline, handBack);
    w->search();
    EXPECT_TRUE(waitForStatus(*w, text(Language::English, Text::Unreachable)));
}

TEST_F(LyricsSearchTest, DocumentNameFollowsTheSong) {
    EXPECT_EQ(handBack.documentPath("/music/a b"), env.path("cache/a b.wrc"));
    EXPECT_EQ(handBack.documentPath("End"), env.path("cache/lyrics.wrc"));
    EXPECT_EQ(handBack.documentPath(""), env.path("cache/lyrics.wrc"));
}

}  // namespace
