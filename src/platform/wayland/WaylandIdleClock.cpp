#include "platform/wayland/WaylandIdleClock.h"

#include <wayland-client.h>

#include <QLoggingCategory>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>

#include "ext-idle-notify-v1-client.h"

Q_LOGGING_CATEGORY(lcWaylandIdle, "mirato.platform.waylandidle", QtWarningMsg)

namespace mirato {

namespace {

void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
              uint32_t version) {
    static_cast<WaylandIdleClock*>(data)->globalAdded(registry, name, interface, version);
}

void onGlobalRemoved(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {onGlobal, onGlobalRemoved};

void onIdled(void* data, ext_idle_notification_v1*) {
    static_cast<WaylandIdleClock*>(data)->idled();
}

void onResumed(void* data, ext_idle_notification_v1*) {
    static_cast<WaylandIdleClock*>(data)->resumed();
}

const ext_idle_notification_v1_listener kNotificationListener = {onIdled, onResumed};

}  // namespace

WaylandIdleClock::WaylandIdleClock(const QString& socket, int noticeMs, QObject* parent)
    : IdleClock(parent), noticeMs_(noticeMs) {
    const QByteArray name = socket.toLocal8Bit();
    display_ = wl_display_connect(socket.isEmpty() ? nullptr : name.constData());
    if (!display_) {
        qCDebug(lcWaylandIdle) << "no Wayland compositor to ask for idle time";
        return;
    }
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &kRegistryListener, this);
    // The compositor is local and answers at once; the globals are known after one round.
    if (wl_display_roundtrip(display_) < 0 || !seat_ || !notifier_) {
        qCDebug(lcWaylandIdle) << "the compositor offers no idle notifications";
        closeConnection();
        return;
    }
    notification_ = ext_idle_notifier_v1_get_idle_notification(
        notifier_, static_cast<uint32_t>(noticeMs_), seat_);
    ext_idle_notification_v1_add_listener(notification_, &kNotificationListener, this);
    wl_display_flush(display_);
    reader_ = new QSocketNotifier(wl_display_get_fd(display_), QSocketNotifier::Read, this);
    connect(reader_, &QSocketNotifier::activated, this, &WaylandIdleClock::readMessages);
    qCDebug(lcWaylandIdle) << "idle time from the compositor's idle notifications";
}

WaylandIdleClock::~WaylandIdleClock() {
    closeConnection();
}

void WaylandIdleClock::globalAdded(wl_registry* registry, uint32_t name, const char* interface,
                                   uint32_t version) {
    // The first seat is the user's; version 1 of each is all that is used.
    Q_UNUSED(version)
    if (!seat_ && std::strcmp(interface, wl_seat_interface.name) == 0)
        seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (!notifier_ && std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0)
        notifier_ = static_cast<ext_idle_notifier_v1*>(
            wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
}

void WaylandIdleClock::idled() {
    idle_ = true;
    sinceIdled_.start();
}

void WaylandIdleClock::resumed() {
    idle_ = false;
}

std::optional<unsigned long> WaylandIdleClock::idleMilliseconds() {
    if (!isAvailable())
        return std::nullopt;
    if (!idle_)
        return 0;
    return static_cast<unsigned long>(noticeMs_ + sinceIdled_.elapsed());
}

void WaylandIdleClock::readMessages() {
    // The socket has data, so this reads without waiting, then runs the listeners.
    if (wl_display_dispatch(display_) >= 0) {
        wl_display_flush(display_);
        return;
    }
    const int error = errno;
    qCDebug(lcWaylandIdle) << "the compositor's connection broke:" << std::strerror(error);
    closeConnection();
    emit availabilityChanged(false);
}

void WaylandIdleClock::closeConnection() {
    if (reader_) {
        // This may run inside the notifier's own signal: it goes once that has returned.
        reader_->setEnabled(false);
        reader_->deleteLater();
        reader_ = nullptr;
    }
    if (notification_)
        ext_idle_notification_v1_destroy(notification_);
    if (notifier_)
        ext_idle_notifier_v1_destroy(notifier_);
    if (seat_)
        wl_seat_destroy(seat_);
    if (registry_)
        wl_registry_destroy(registry_);
    notification_ = nullptr;
    notifier_ = nullptr;
    seat_ = nullptr;
    registry_ = nullptr;
    idle_ = false;
    if (display_) {
        wl_display_disconnect(display_);
        display_ = nullptr;
    }
}

}  // namespace mirato
