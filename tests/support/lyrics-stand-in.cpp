// A stand-in of the lyrics service for the end-to-end run and the benchmark, on 127.0.0.1:
// /api/get answers 404 as the service does for a track it does not know by those exact
// fields, /api/search a list with one hit: the song searched for, of the given length and
// lyrics, and an unrelated one a careless matcher would take. Each request's target is appended to
// the log file; the port goes to the port file once it listens.
//   mirato-lyrics-stand-in PORT_FILE LOG_FILE SECONDS LYRICS
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    const QString log = args.at(2);
    const double duration = args.at(3).toDouble();
    const QString lyrics = args.at(4);
    const auto hits = [duration, lyrics](const QUrlQuery& query) {
        const auto hit = [duration](const QString& track, const QString& artist,
                                    const QString& synced) {
            return QJsonObject{{"id", 7},
                               {"trackName", track},
                               {"artistName", artist},
                               {"albumName", "Album"},
                               {"duration", duration},
                               {"instrumental", false},
                               {"plainLyrics", synced},
                               {"syncedLyrics", synced}};
        };
        const QString track = query.queryItemValue("track_name", QUrl::FullyDecoded);
        const QString artist = query.queryItemValue("artist_name", QUrl::FullyDecoded);
        return QJsonDocument(QJsonArray{hit(track + " (Live)", "Someone Else", "[00:00.00]wrong"),
                                        hit(track, artist, lyrics)})
            .toJson(QJsonDocument::Compact);
    };
    const QByteArray notFound =
        R"({"code":404,"name":"TrackNotFound","message":"Failed to find specified track"})";
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        return 1;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, &log, hits, &notFound] {
            const QByteArray request = socket->peek(socket->bytesAvailable());
            if (!request.contains("\r\n\r\n"))
                return;
            socket->readAll();
            const QByteArray target = request.split(' ').value(1);
            QFile file(log);
            if (file.open(QIODevice::Append))
                file.write(target + "\n");
            const bool exact = target.startsWith("/api/get");
            const QByteArray body =
                exact ? notFound : hits(QUrlQuery(QUrl(QString::fromUtf8(target)).query()));
            socket->write(QByteArray("HTTP/1.1 ") + (exact ? "404 Not Found" : "200 OK") +
                          "\r\nContent-Type: application/json\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    });
    QFile port(args.at(1));
    if (!port.open(QIODevice::WriteOnly))
        return 1;
    port.write(QByteArray::number(server.serverPort()));
    port.close();
    return QCoreApplication::exec();
}
