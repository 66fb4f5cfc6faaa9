#pragma once

#include <QByteArray>
#include <QObject>
#include <map>

class QSocketNotifier;

namespace mirato {

// One running instance per user. The first start holds a lock on a file (released by the
// system when the process ends, however it ends) and listens on a Unix
// socket in the user's runtime folder (user-only access); a later start sends its execute
// strings there and ends: "Count", then "CommandLine=" followed by its command line when it has
// one. Messages are lines of UTF-8 text; oversize or garbled lines are dropped.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr int kAnswerTimeoutMs = 100;
    // Asks the running instance to show or hide its box (for desktops without Alt+R).
    static constexpr const char* kToggle = "Toggle";
    static constexpr int kMaxMessageBytes = 32 * 1024;

    // Where the socket and the lock file live: $XDG_RUNTIME_DIR, else a per-user temp folder.
    static QString folder();
    static QString socketPath() { return folder() + QStringLiteral("/mirato.socket"); }
    static QString lockPath() { return folder() + QStringLiteral("/mirato.lock"); }

    // True when this process is the first: it holds the lock from now on. A lock file that
    // cannot be opened at all lets the start go on (logged): two boxes beat none.
    bool acquire();
    // Starts listening (the first instance, once the application object exists).
    bool listen();

    // A later start: sends "Count" and, with a command line, "CommandLine=" + it. Waits at most
    // kAnswerTimeoutMs for the first instance; false when it did not answer.
    static bool forward(const QString& commandLine);
    // Sends one execute string; false when no instance answered.
    static bool send(const QString& command);

    ~SingleInstance() override;

signals:
    // One execute string from a later start.
    void executeReceived(const QString& command);

private:
    struct Client {
        QSocketNotifier* notifier;
        QByteArray pending;  // bytes of a line not yet complete
    };
    static bool sendRaw(const QByteArray& message);
    void acceptClients();
    void readFrom(int fd);
    void drop(int fd);

    int lockFd_ = -1;
    int listenFd_ = -1;
    QSocketNotifier* listenNotifier_ = nullptr;
    std::map<int, Client> clients_;
};

}  // namespace mirato
