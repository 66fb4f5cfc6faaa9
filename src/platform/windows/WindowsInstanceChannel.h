#pragma once

#include <QByteArray>
#include <QHash>

#include "platform/InstanceChannel.h"

class QLocalServer;
class QLocalSocket;

namespace mirato {

// The instance channel on Windows: the first start holds a named mutex of the user's (the
// system lets it go when the process ends, however it ends) and listens on a named pipe of
// the user's, which only this user may open. Messages are lines of UTF-8 text.
class WindowsInstanceChannel : public InstanceChannel {
    Q_OBJECT
public:
    // The pipe's and the mutex's name: one per user of the machine.
    static QString serverName();

    using InstanceChannel::InstanceChannel;
    ~WindowsInstanceChannel() override;

    // A mutex that cannot be made lets the start go on (logged): two boxes beat none.
    bool acquire() override;
    bool listen() override;

protected:
    // Waits at most kAnswerTimeoutMs for the first instance.
    bool deliver(const QStringList& lines) override;

private:
    void accept();
    void readFrom(QLocalSocket* client);

    void* mutex_ = nullptr;
    QLocalServer* server_ = nullptr;
    QHash<QLocalSocket*, QByteArray> pending_;
};

}  // namespace mirato
