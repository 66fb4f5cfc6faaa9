#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include "LyricsMatch.h"
#include "core/LyricsPlaces.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using namespace mirato::lyricsearch;
using namespace mirato::test;

namespace {

LyricsHit hit(const char* artist, const char* track, double duration,
              const char* synced = "[00:01.00]x") {
    LyricsHit h;
    h.artist = artist;
    h.track = track;
    h.durationSeconds = duration;
    h.synced = synced;
    return h;
}

TEST(LyricsMatchTest, OnlyTheSameSongIsTaken) {
    const SongQuery song{"The Band", "Song Title", "Album", 200};
    struct Row {
        const char* name;
        QList<LyricsHit> hits;
        const char* expectedArtist;  // "" for none taken
        double expectedDuration;
    };
    const Row rows[] = {
        {"exact", {hit("The Band", "Song Title", 200)}, "The Band", 200},
        {"case, punctuation and a bracketed addition",
         {hit("the band", "Song-Title (Remastered 2011)", 202)},
         "the band",
         202},
        {"a longer master within 5 s", {hit("The Band", "Song Title", 204.5)}, "The Band", 204.5},
        {"too long a master", {hit("The Band", "Song Title", 206)}, "", 0},
        {"an unrelated song a careless matcher would take",
         {hit("The Band", "Song Title Two", 200), hit("Other Band", "Song Title", 200)},
         "",
         0},
        {"plain lyrics only", {hit("The Band", "Song Title", 200, "")}, "", 0},
        {"no duration", {hit("The Band", "Song Title", 0)}, "", 0},
        {"the nearest of several",
         {hit("The Band", "Song Title", 203), hit("The Band", "Song Title [Live]", 199),
          hit("The Band", "Song Title", 196)},
         "The Band",
         199},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<LyricsHit> taken = LyricsMatch::best(row.hits, song);
        ASSERT_EQ(taken.has_value(), *row.expectedArtist != 0);
        if (taken) {
            EXPECT_EQ(taken->artist, row.expectedArtist);
            EXPECT_EQ(taken->durationSeconds, row.expectedDuration);
        }
    }
}

// The lyrics service as its documentation has it, on 127.0.0.1: /api/get answers one record or
// 404, /api/search a list. Every request is recorded.
class StandInService : public QObject {
public:
    StandInService() {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = server.nextPendingConnection();
            auto* buffer = new QByteArray;
            connect(socket, &QObject::destroyed, [buffer] { delete buffer; });
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                *buffer += socket->readAll();
                if (!buffer->contains("\r\n\r\n"))
                    return;
                const QUrl target(QString::fromLatin1(buffer->split(' ').value(1)));
                requests.append(target);
                const bool exact = target.path() == "/api/get";
                const QByteArray status = exact ? exactStatus : "200 OK";
                const QByteArray body = exact ? exactBody : searchBody;
                QTimer::singleShot(delayMs, socket, [socket, status, body] {
                    socket->write("HTTP/1.1 " + status +
                                  "\r\nContent-Type: application/json\r\nContent-Length: " +
                                  QByteArray::number(body.size()) +
                                  "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            });
        });
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()); }
    static QByteArray record(const char* artist, const char* track, double duration,
                             const char* synced) {
        return QJsonDocument(QJsonObject{{"id", 1},
                                         {"trackName", track},
                                         {"artistName", artist},
                                         {"albumName", "Album"},
                                         {"duration", duration},
                                         {"instrumental", false},
                                         {"plainLyrics", "x"},
                                         {"syncedLyrics", synced}})
            .toJson(QJsonDocument::Compact);
    }

    QTcpServer server;
    QByteArray exactStatus = "404 Not Found";
    QByteArray exactBody =
        R"({"code":404,"name":"TrackNotFound","message":"Failed to find specified track"})";
    QByteArray searchBody = "[]";
    int delayMs = 0;
    QList<QUrl> requests;
};

// The real plug-in in its mode without a window, against the stand-in; "mirato" is a script
// that records the document it is handed.
class FindModeTest : public ::testing::Test {
protected:
    FindModeTest() {
        QDir().mkpath(env.path("plugin"));
        QFile::copy(MIRATO_TEST_PLUGIN, env.path("plugin/ZuzAzedod"));
        env.writeFile("plugin/setting.ini", ("[service]\nurl=" + service.url() + "\n").toUtf8());
        const QString recorder =
            env.writeFile("program/mirato", "#!/bin/sh\nprintf '%s\\n' \"$1\" >>\"$0.log\"\n");
        QFile::setPermissions(recorder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.set("windir", env.path("windows"));
        env.writeFile("windows/Mirato.dat",
                      ("[Option]\nMiratoPath=" + env.path("program") + "\n").toUtf8());
        song = env.writeFile("music/The Band - Song Title.mp3", "ID3");
    }
    // Runs the plug-in for the song and waits for it to end.
    int find(const QStringList& extra = {}) {
        QProcess plugin;
        plugin.start(env.path("plugin/ZuzAzedod"),
                     QStringList{"--find", "--source", song, "--artist", "The Band", "--title",
                                 "Song Title", "--duration", "200"} +
                         extra);
        // The stand-in answers on this thread while the plug-in waits.
        EXPECT_TRUE(QTest::qWaitFor([&] { return plugin.state() == QProcess::NotRunning; }, 20000));
        return plugin.exitCode();
    }
    QStringList handedOver() const {
        QFile log(env.path("program/mirato.log"));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    QString cache() const { return LyricsPlaces::cacheFolder(); }

    TempEnvironment env;
    StandInService service;
    QString song;
};

TEST_F(FindModeTest, ALongerMasterIsFoundBySearchKeptAndHandedOver) {
    service.searchBody =
        "[" + StandInService::record("The Band", "Song Title Two", 200, "[00:01.00]wrong") + "," +
        StandInService::record("The Band", "Song Title", 203, "[00:01.00]right") + "]";
    service.delayMs = 300;  // a slow answer is waited for
    EXPECT_EQ(find({"--album", "Album"}), 0);
    ASSERT_EQ(service.requests.size(), 2);
    const QUrlQuery exact(service.requests[0]);
    EXPECT_EQ(service.requests[0].path(), "/api/get");
    EXPECT_EQ(exact.queryItemValue("artist_name"), "The Band");
    EXPECT_EQ(exact.queryItemValue("track_name"), "Song Title");
    EXPECT_EQ(exact.queryItemValue("album_name"), "Album");
    EXPECT_EQ(exact.queryItemValue("duration"), "200");
    EXPECT_EQ(service.requests[1].path(), "/api/search");
    QFile beside(LyricsPlaces::besideSong(song));
    ASSERT_TRUE(beside.open(QIODevice::ReadOnly));
    EXPECT_EQ(beside.readAll(), "[00:01.00]right");
    EXPECT_EQ(handedOver(), QStringList{LyricsPlaces::found(cache(), song)});
}

TEST_F(FindModeTest, TheExactLookUpIsEnough) {
    service.exactStatus = "200 OK";
    service.exactBody = StandInService::record("The Band", "Song Title", 200, "[00:01.00]exact");
    EXPECT_EQ(find(), 0);
    EXPECT_EQ(service.requests.size(), 1);
    EXPECT_EQ(handedOver().size(), 1);
}

TEST_F(FindModeTest, AnUnrelatedHitIsRefusedAndTheSongMarked) {
    service.searchBody =
        "[" + StandInService::record("Other Band", "Song Title", 200, "[00:01.00]no") + "]";
    EXPECT_NE(find(), 0);
    EXPECT_FALSE(QFile::exists(LyricsPlaces::besideSong(song)));
    EXPECT_TRUE(handedOver().isEmpty());
    EXPECT_TRUE(LyricsPlaces::askedRecently(cache(), song));
}

TEST_F(FindModeTest, AServiceThatCannotBeReachedMarksNothing) {
    env.writeFile("plugin/setting.ini", "[service]\nurl=http://127.0.0.1:1\n");
    EXPECT_NE(find(), 0);
    EXPECT_TRUE(service.requests.isEmpty());
    EXPECT_FALSE(LyricsPlaces::askedRecently(cache(), song));
}

}  // namespace
