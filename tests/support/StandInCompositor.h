#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <mutex>
#include <thread>

struct wl_display;
struct wl_event_source;

namespace mirato::test {

// A Wayland compositor with one seat, the idle notifications (ext-idle-notify-v1) and, when
// given windows, wlroots' list of them (foreign-toplevel management), and nothing else, on a
// socket of its own in $XDG_RUNTIME_DIR. It runs on a thread of its own; the test says when the
// user goes idle and comes back, and reads what it was asked.
class StandInCompositor {
public:
    // offerIdle: false for a compositor without the idle notifications. windows: the app ids of
    // the windows it lists, the last one active ({}: no list offered).
    explicit StandInCompositor(bool offerIdle = true, QStringList windows = {});
    ~StandInCompositor();
    StandInCompositor(const StandInCompositor&) = delete;
    StandInCompositor& operator=(const StandInCompositor&) = delete;

    QString socket() const { return socket_; }
    // Every notification asked for so far is told the user is idle, or back.
    void goIdle() { send('i'); }
    void resume() { send('r'); }
    // Closes every client's connection, as a compositor that ends does.
    void dropClients() { send('d'); }

    // The notifications asked for, and the notice of the latest one.
    int notifications() const { return notifications_; }
    unsigned latestNoticeMs() const { return latestNotice_; }

    // The windows a client asked to activate, by their place in the list, in order; the one
    // asked for becomes the active window.
    QList<int> activations() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return activations_;
    }
    // Makes the window at that place the active one, as a click on it would.
    void activate(int window) { send(char('0' + window)); }
    // The active window's place, once every client has been told.
    int activeWindow() const { return active_; }

    // The server's side (called on its thread).
    void windowActivated(int window);
    void showActive(int window);
    const QStringList& windows() const { return windows_; }
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
    QStringList windows_;
    mutable std::mutex mutex_;
    QList<int> activations_;
    std::atomic<int> active_{-1};
    std::thread thread_;
};

}  // namespace mirato::test
