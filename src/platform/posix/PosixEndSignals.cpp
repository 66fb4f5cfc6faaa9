#include "platform/posix/PosixEndSignals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QLoggingCategory>
#include <QSocketNotifier>
#include <csignal>

Q_LOGGING_CATEGORY(lcEnd, "mirato.platform.end", QtWarningMsg)

namespace mirato {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler can reach nothing but a global: the write end of the current watcher's pipe.
volatile sig_atomic_t writeEnd = -1;

void onSignal(int) {
    const int fd = writeEnd;
    if (fd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
}

}  // namespace

PosixEndSignals::PosixEndSignals(QObject* parent) : SessionEnd(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds_) != 0) {
        qCDebug(lcEnd) << "no pipe for end signals; they end the program at once";
        return;
    }
    writeEnd = fds_[0];
    notifier_ = new QSocketNotifier(fds_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(fds_[1], bytes, sizeof bytes) > 0) {
        }
        emit endRequested();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

PosixEndSignals::~PosixEndSignals() {
    if (fds_[0] < 0)
        return;
    for (int signal : kSignals)
        ::signal(signal, SIG_DFL);
    writeEnd = -1;
    ::close(fds_[0]);
    ::close(fds_[1]);
}

}  // namespace mirato
