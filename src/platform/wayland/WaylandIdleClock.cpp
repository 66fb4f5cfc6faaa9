#include "platform/wayland/WaylandIdleClock.h"

#include <wayland-client.h>

#include <QLoggingCategory>
#include <cstring>

#include "ext-idle-notify-v1-client.h"

Q_LOGGING_CATEGORY(lcWaylandIdle, "mirato.platform.waylandidle", QtWarningMsg)

namespace mirato {

namespace {

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
    connect(&connection_, &WaylandConnection::aboutToClose, this, [this] {
        if (notification_)
            ext_idle_notification_v1_destroy(notification_);
        if (notifier_)
            ext_idle_notifier_v1_destroy(notifier_);
        notification_ = nullptr;
        notifier_ = nullptr;
        idle_ = false;
    });
    connect(&connection_, &WaylandConnection::broken, this,
            [this] { emit availabilityChanged(false); });
    const auto bind = [this](wl_registry* registry, uint32_t name, const char* interface,
                             uint32_t) {
        if (!notifier_ && std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0)
            notifier_ = static_cast<ext_idle_notifier_v1*>(
                wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
    };
    if (!connection_.open(socket, bind))
        return;
    if (!notifier_) {
        qCDebug(lcWaylandIdle) << "the compositor offers no idle notifications";
        connection_.close();
        return;
    }
    notification_ = ext_idle_notifier_v1_get_idle_notification(
        notifier_, static_cast<uint32_t>(noticeMs_), connection_.seat());
    ext_idle_notification_v1_add_listener(notification_, &kNotificationListener, this);
    connection_.listen();
    qCDebug(lcWaylandIdle) << "idle time from the compositor's idle notifications";
}

WaylandIdleClock::~WaylandIdleClock() {
    connection_.close();
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

}  // namespace mirato
