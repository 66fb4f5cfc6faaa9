#pragma once

#include <QByteArray>
#include <map>

#include "platform/InstanceChannel.h"

class QSocketNotifier;

namespace mirato {

// The instance channel on a POSIX system: the first start holds a lock on a file (released by
// the system when the process ends, however it ends) and listens on a Unix socket in the user's
// runtime folder (user-only access). Messages are lines of UTF-8 text; oversize or garbled lines
// are dropped.
class PosixInstanceChannel : public InstanceChannel {
    Q_OBJECT
public:
    // Where the socket and the lock file live: $XDG_RUNTIME_DIR, else a per-user temp folder.
    static QString folder();
    static QString socketPath() { return folder() + QStringLiteral("/mirato.socket"); }
    static QString lockPath() { return folder() + QStringLiteral("/mirato.lock"); }

    using InstanceChannel::InstanceChannel;
    ~PosixInstanceChannel() override;

    // A lock file that cannot be opened at all lets the start go on (logged): two boxes beat
    // none.
    bool acquire() override;
    bool listen() override;

protected:
    // Waits at most kAnswerTimeoutMs for the first instance.
    bool deliver(const QStringList& lines) override;

private:
    struct Client {
        QSocketNotifier* notifier;
        QByteArray pending;  // bytes of a line not yet complete
    };
    void acceptClients();
    void readFrom(int fd);
    void drop(int fd);

    int lockFd_ = -1;
    int listenFd_ = -1;
    QSocketNotifier* listenNotifier_ = nullptr;
    std::map<int, Client> clients_;
};

}  // namespace mirato
