#include "platform/windows/WindowsInstanceChannel.h"

#include <windows.h>

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>

Q_LOGGING_CATEGORY(lcInstance, "mirato.platform.instance", QtWarningMsg)

namespace mirato {

QString WindowsInstanceChannel::serverName() {
    wchar_t user[256 + 1];
    DWORD size = sizeof user / sizeof user[0];
    const QString name = GetUserNameW(user, &size) ? QString::fromWCharArray(user)
                                                   : qEnvironmentVariable("USERNAME");
    // Pipe and mutex names take no backslash; anything else a user name holds is fine.
    return QStringLiteral("Mirato-") + QString(name).replace(QLatin1Char('\\'), QLatin1Char('_'));
}

WindowsInstanceChannel::~WindowsInstanceChannel() {
    if (mutex_)
        CloseHandle(mutex_);
}

bool WindowsInstanceChannel::acquire() {
    // "Local\": the user's own session, where a second start of the same user happens.
    const QString name = QStringLiteral("Local\\") + serverName();
    HANDLE mutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t*>(name.utf16()));
    if (!mutex) {
        qCDebug(lcInstance) << "cannot make the mutex" << name << GetLastError();
        return true;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    mutex_ = mutex;
    return true;
}

bool WindowsInstanceChannel::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName())) {
        qCDebug(lcInstance) << "cannot listen on" << serverName() << server_->errorString();
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, &WindowsInstanceChannel::accept);
    return true;
}

void WindowsInstanceChannel::accept() {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
        pending_.insert(client, {});
        connect(client, &QLocalSocket::readyRead, this, [this, client] { readFrom(client); });
        connect(client, &QLocalSocket::disconnected, this, [this, client] {
            readFrom(client);
            pending_.remove(client);
            client->deleteLater();
        });
        readFrom(client);
    }
}

void WindowsInstanceChannel::readFrom(QLocalSocket* client) {
    auto it = pending_.find(client);
    if (it == pending_.end())
        return;
    it->append(client->readAll());
    bool tooLong = false;
    const QStringList lines = takeLines(*it, &tooLong);
    for (const QString& line : lines)
        emit executeReceived(line);
    if (tooLong) {
        qCDebug(lcInstance) << "dropping an oversize message";
        pending_.erase(it);
        client->abort();
    }
}

bool WindowsInstanceChannel::deliver(const QStringList& lines) {
    QByteArray message;
    for (const QString& line : lines)
        message += line.toUtf8() + '\n';
    QLocalSocket socket;
    QElapsedTimer clock;
    clock.start();
    // The first instance may still be starting; try until the answer time is used up.
    for (;;) {
        socket.connectToServer(serverName());
        if (socket.waitForConnected(kAnswerTimeoutMs))
            break;
        if (clock.elapsed() >= kAnswerTimeoutMs) {
            qCDebug(lcInstance) << "the running instance did not answer";
            return false;
        }
        QThread::msleep(10);
    }
    socket.write(message);
    const bool sent = socket.waitForBytesWritten(kAnswerTimeoutMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kAnswerTimeoutMs);
    return sent;
}

}  // namespace mirato
