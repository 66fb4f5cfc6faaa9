#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

namespace mirato {

// Gives freed memory back to the system a moment after something happened, never on a clock:
// idle, the program wakes for nothing. The first request of a burst sets the moment (a run of
// song changes does not put it off); a nearer moment asked for meanwhile wins.
class MemoryTrim : public QObject {
    Q_OBJECT
public:
    explicit MemoryTrim(QObject* parent = nullptr);

    void soon(std::chrono::milliseconds delay);
    // Each emission of the signal asks for a trim after delay.
    template <typename Sender, typename Signal>
    void follow(const Sender* sender, Signal signal, std::chrono::milliseconds delay) {
        connect(sender, signal, this, [this, delay] { soon(delay); });
    }

private:
    QTimer timer_;
};

}  // namespace mirato
