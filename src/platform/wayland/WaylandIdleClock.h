#pragma once

#include <QElapsedTimer>
#include <QString>

#include "platform/IdleClock.h"
#include "platform/wayland/WaylandConnection.h"

struct ext_idle_notifier_v1;
struct ext_idle_notification_v1;

namespace mirato {

// The idle time as the Wayland compositor counts it, from its idle notifications
// (ext-idle-notify-v1: KDE Plasma, sway and the other wlroots desktops, Hyprland; not GNOME), over
// a connection of its own. The compositor says when the user has been idle for noticeMs and when
// the user is back; below noticeMs the idle time reads 0, which is all a five-minute pause needs,
// and a longer notice wakes the program less often. Unavailable when the compositor does not offer
// the protocol or the connection breaks.
class WaylandIdleClock : public IdleClock {
    Q_OBJECT
public:
    static constexpr int kNoticeMs = 60000;

    // socket: the compositor's socket name; empty for $WAYLAND_DISPLAY.
    explicit WaylandIdleClock(const QString& socket = {}, int noticeMs = kNoticeMs,
                              QObject* parent = nullptr);
    ~WaylandIdleClock() override;

    std::optional<unsigned long> idleMilliseconds() override;
    bool isAvailable() const override { return notification_ != nullptr; }

    // What the compositor's messages do (called from its listeners).
    void idled();
    void resumed();

private:
    int noticeMs_;
    WaylandConnection connection_;
    ext_idle_notifier_v1* notifier_ = nullptr;
    ext_idle_notification_v1* notification_ = nullptr;
    bool idle_ = false;
    QElapsedTimer sinceIdled_;
};

}  // namespace mirato
