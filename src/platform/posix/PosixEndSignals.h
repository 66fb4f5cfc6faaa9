#pragma once

#include "platform/SessionEnd.h"

class QSocketNotifier;

namespace mirato {

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) become endRequested() on the
// event loop: the handler only writes a byte to a pipe, which the loop reads.
class PosixEndSignals : public SessionEnd {
    Q_OBJECT
public:
    explicit PosixEndSignals(QObject* parent = nullptr);
    ~PosixEndSignals() override;

private:
    int fds_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace mirato
