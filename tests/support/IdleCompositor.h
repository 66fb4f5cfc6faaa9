#pragma once

#include <QString>
#include <atomic>
#include <thread>

struct wl_display;
struct wl_event_source;

namespace mirato::test {

// A Wayland compositor with one seat and the idle notifications (ext-idle-notify-v1), and
// nothing else, on a socket of its own in $XDG_RUNTIME_DIR. It runs on a thread of its own;
// the test says when the user goes idle and comes back, and reads what it was asked.
class IdleCompositor {
public:
    // offerIdle: false for a compositor without the idle notifications.
    explicit IdleCompositor(bool offerIdle = true);
    ~IdleCompositor();
    IdleCompositor(const IdleCompositor&) = delete;
    IdleCompositor& operator=(const IdleCompositor&) = delete;

    QString socket() const { return socket_; }
    // Every notification asked for so far is told the user is idle, or back.
    void goIdle() { send('i'); }
    void resume() { send('r'); }
    // Closes every client's connection, as a compositor that ends does.
    void dropClients() { send('d'); }

    // The notifications asked for, and the notice of the latest one.
    int notifications() const { return notifications_; }
    unsigned latestNoticeMs() const { return latestNotice_; }

    // The server's side (called on its thread).
    void notificationMade(unsigned noticeMs) {
        latestNotice_ = noticeMs;
        ++notifications_;
    }
    void command(char what);

private:
    void send(char what);

    wl_display* display_ = nullptr;
    QString socket_;
    int pipe_[2] = {-1, -1};
    wl_event_source* commands_ = nullptr;
    std::atomic<int> notifications_{0};
    std::atomic<unsigned> latestNotice_{0};
    std::thread thread_;
};

}  // namespace mirato::test
