#include "app/SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStringDecoder>

Q_LOGGING_CATEGORY(lcInstance, "mirato.app.instance", QtWarningMsg)

namespace mirato {

QString SingleInstance::folder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/mirato-") + QString::number(getuid());
    QDir().mkpath(own);
    QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return own;
}

SingleInstance::~SingleInstance() {
    if (server_)
        server_->close();
}

bool SingleInstance::acquire() {
    lock_ = std::make_unique<QLockFile>(lockPath());
    lock_->setStaleLockTime(0);  // a lock whose process is gone is stale at once
    if (lock_->tryLock(0))
        return true;
    lock_.reset();
    return false;
}

bool SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath());  // left over by a process that died
    if (!server_->listen(socketPath())) {
        qCDebug(lcInstance) << "cannot listen on" << socketPath() << server_->errorString();
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            readFrom(socket);
        }
    });
    return true;
}

void SingleInstance::readFrom(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(kMaxMessageBytes + 2);
        if (!line.endsWith('\n')) {
            qCDebug(lcInstance) << "dropping an oversize message";
            socket->abort();
            return;
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(line.chopped(1));
        if (utf8.hasError()) {
            qCDebug(lcInstance) << "dropping a message that is not text";
            continue;
        }
        emit executeReceived(text);
    }
    if (socket->bytesAvailable() > kMaxMessageBytes) {
        qCDebug(lcInstance) << "dropping an oversize message";
        socket->abort();
    }
}

bool SingleInstance::forward(const QString& commandLine) {
    QString line = commandLine;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QByteArray message = "Count\n";
    if (!line.isEmpty())
        message += "CommandLine=" + line.toUtf8() + '\n';
    return sendRaw(message);
}

bool SingleInstance::send(const QString& command) {
    QString line = command;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return sendRaw(line.toUtf8() + '\n');
}

bool SingleInstance::sendRaw(const QByteArray& message) {
    QLocalSocket socket;
    QElapsedTimer clock;
    clock.start();
    // The first instance may still be starting; try until the answer time is used up.
    do {
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(kAnswerTimeoutMs))
            break;
        socket.abort();
        usleep(10 * 1000);
    } while (clock.elapsed() < kAnswerTimeoutMs);
    if (socket.state() != QLocalSocket::ConnectedState) {
        qCDebug(lcInstance) << "the running instance did not answer";
        return false;
    }
    socket.write(message);
    const bool sent = socket.waitForBytesWritten(kAnswerTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kAnswerTimeoutMs);
    return sent;
}

}  // namespace mirato
