// A stand-in of the lyrics service for the end-to-end run and the benchmark, on 127.0.0.1:
// /api/get answers 404 as the service does for a track it does not know by those exact
// fields, /api/search a list with one hit: the song "The Band - Song Title" of the given
// length and lyrics. Each request's target is appended to the log file; the port goes to the
// port file once it listens.
//   mirato-lyrics-stand-in PORT_FILE LOG_FILE SECONDS LYRICS
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    const QString log = args.at(2);
    const QByteArray hits =
        QJsonDocument(QJsonArray{QJsonObject{{"id", 7},
                                             {"trackName", "Song Title"},
                                             {"artistName", "The Band"},
                                             {"albumName", "Album"},
                                             {"duration", args.at(3).toDouble()},
                                             {"instrumental", false},
                                             {"plainLyrics", "Hello"},
                                             {"syncedLyrics", args.at(4)}}})
            .toJson(QJsonDocument::Compact);
    const QByteArray notFound =
        R"({"code":404,"name":"TrackNotFound","message":"Failed to find specified track"})";
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        return 1;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, &log, &hits, &notFound] {
            const QByteArray request = socket->peek(socket->bytesAvailable());
            if (!request.contains("\r\n\r\n"))
                return;
            socket->readAll();
            const QByteArray target = request.split(' ').value(1);
            QFile file(log);
            if (file.open(QIODevice::Append))
                file.write(target + "\n");
            const bool exact = target.startsWith("/api/get");
            const QByteArray body = exact ? notFound : hits;
            socket->write(QByteArray("HTTP/1.1 ") + (exact ? "404 Not Found" : "200 OK") +
                          "\r\nContent-Type: application/json\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" +
                          body);
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
