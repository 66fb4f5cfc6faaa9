#include "platform/posix/PosixInstanceChannel.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstring>

Q_LOGGING_CATEGORY(lcInstance, "mirato.platform.instance", QtWarningMsg)

namespace mirato {

QString PosixInstanceChannel::folder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    // A folder in the shared temp folder is only ours if we made it: another user could have
    // made it first and would then receive the documents of every later start.
    const QString own = QDir::tempPath() + QStringLiteral("/mirato-") + QString::number(getuid());
    const QByteArray name = QFile::encodeName(own);
    ::mkdir(name.constData(), 0700);
    struct stat info;
    if (::lstat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != getuid() || (info.st_mode & 077) != 0)
        return {};
    return own;
}

PosixInstanceChannel::~PosixInstanceChannel() {
    while (!clients_.empty())
        drop(clients_.begin()->first);
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(QFile::encodeName(socketPath()).constData());
    }
    if (lockFd_ >= 0)
        ::close(lockFd_);  // the file stays: removing it would race with a starting instance
}

bool PosixInstanceChannel::acquire() {
    if (folder().isEmpty()) {
        // No safe place for the lock and the socket: this start runs on its own.
        std::fprintf(stderr,
                     "mirato: %s/mirato-%u is not a private folder of this user, so later starts "
                     "cannot be handed to this one. Remove it, or set XDG_RUNTIME_DIR.\n",
                     qPrintable(QDir::tempPath()), unsigned(getuid()));
        return true;
    }
    // flock rather than a lock file with a process id in it: nothing is ever stale, and it
    // costs two system calls on the way to the first picture.
    const int fd =
        ::open(QFile::encodeName(lockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        qCDebug(lcInstance) << "cannot open the lock file" << lockPath() << std::strerror(errno);
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        if (!held)
            qCDebug(lcInstance) << "cannot lock" << lockPath() << std::strerror(errno);
        ::close(fd);
        return !held;
    }
    lockFd_ = fd;
    return true;
}

namespace {

// The socket address of a path; false when the path does not fit.
bool addressOf(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), name.size());
    return true;
}

}  // namespace

bool PosixInstanceChannel::listen() {
    if (folder().isEmpty())
        return false;
    sockaddr_un address;
    if (!addressOf(socketPath(), address)) {
        qCDebug(lcInstance) << "socket path too long:" << socketPath();
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    ::unlink(address.sun_path);  // left over by a process that died; the lock says it is ours
    const mode_t previous = ::umask(0077);  // only this user may connect
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(previous);
    if (!bound || ::listen(fd, 8) != 0) {
        qCDebug(lcInstance) << "cannot listen on" << socketPath() << std::strerror(errno);
        ::close(fd);
        return false;
    }
    listenFd_ = fd;
    listenNotifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(listenNotifier_, &QSocketNotifier::activated, this,
            &PosixInstanceChannel::acceptClients);
    return true;
}

void PosixInstanceChannel::acceptClients() {
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;  // none waiting (or a failed accept, which the next start retries)
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        clients_[fd] = Client{notifier, {}};
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { readFrom(fd); });
        readFrom(fd);
    }
}

void PosixInstanceChannel::drop(int fd) {
    auto it = clients_.find(fd);
    if (it == clients_.end())
        return;
    it->second.notifier->setEnabled(false);
    it->second.notifier->deleteLater();
    ::close(fd);
    clients_.erase(it);
}

void PosixInstanceChannel::readFrom(int fd) {
    auto it = clients_.find(fd);
    if (it == clients_.end())
        return;
    bool ended = false;
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got > 0) {
            it->second.pending.append(chunk, got);
            if (it->second.pending.size() > 2 * kMaxMessageBytes + 2)
                break;  // checked below, line by line
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        ended = got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        break;
    }
    bool tooLong = false;
    const QStringList lines = takeLines(it->second.pending, &tooLong);
    for (const QString& line : lines)
        emit executeReceived(line);
    if (tooLong)
        qCDebug(lcInstance) << "dropping an oversize message";
    if (tooLong || ended)
        drop(fd);
}

bool PosixInstanceChannel::deliver(const QStringList& lines) {
    if (folder().isEmpty())
        return false;
    QByteArray message;
    for (const QString& line : lines)
        message += line.toUtf8() + '\n';
    sockaddr_un address;
    if (!addressOf(socketPath(), address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    QElapsedTimer clock;
    clock.start();
    // The first instance may still be starting; try until the answer time is used up.
    bool connected = false;
    do {
        connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        if (!connected)
            usleep(10 * 1000);
    } while (!connected && clock.elapsed() < kAnswerTimeoutMs);
    if (!connected) {
        qCDebug(lcInstance) << "the running instance did not answer";
        ::close(fd);
        return false;
    }
    timeval limit{0, kAnswerTimeoutMs * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    qsizetype sent = 0;
    while (sent < message.size()) {
        const ssize_t n =
            ::send(fd, message.constData() + sent, message.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        sent += n;
    }
    ::close(fd);
    return sent == message.size();
}

}  // namespace mirato
