#include "platform/wayland/WaylandConnection.h"

#include <wayland-client.h>

#include <QLoggingCategory>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>

Q_LOGGING_CATEGORY(lcWayland, "mirato.platform.wayland", QtWarningMsg)

namespace mirato {

namespace {

void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
              uint32_t version) {
    static_cast<WaylandConnection*>(data)->globalAdded(registry, name, interface, version);
}

void onGlobalRemoved(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {onGlobal, onGlobalRemoved};

}  // namespace

WaylandConnection::WaylandConnection(QObject* parent) : QObject(parent) {}

WaylandConnection::~WaylandConnection() {
    close();
}

bool WaylandConnection::open(const QString& socket, Bind bind) {
    close();
    bind_ = std::move(bind);
    const QByteArray name = socket.toLocal8Bit();
    display_ = wl_display_connect(socket.isEmpty() ? nullptr : name.constData());
    if (!display_) {
        qCDebug(lcWayland) << "no Wayland compositor to connect to";
        return false;
    }
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &kRegistryListener, this);
    // The compositor is local and answers at once; the globals are known after one round.
    if (!roundTrip())
        return false;
    if (!seat_) {
        qCDebug(lcWayland) << "the compositor offers no seat";
        close();
        return false;
    }
    return true;
}

void WaylandConnection::globalAdded(wl_registry* registry, uint32_t name, const char* interface,
                                    uint32_t version) {
    // The first seat is the user's; version 1 is all that is used.
    if (!seat_ && std::strcmp(interface, wl_seat_interface.name) == 0)
        seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (bind_)
        bind_(registry, name, interface, version);
}

bool WaylandConnection::roundTrip() {
    if (!display_)
        return false;
    if (wl_display_roundtrip(display_) >= 0)
        return true;
    const int error = errno;
    qCDebug(lcWayland) << "the compositor's connection broke:" << std::strerror(error);
    close();
    return false;
}

void WaylandConnection::listen() {
    if (!display_ || reader_)
        return;
    wl_display_flush(display_);
    reader_ = new QSocketNotifier(wl_display_get_fd(display_), QSocketNotifier::Read, this);
    connect(reader_, &QSocketNotifier::activated, this, &WaylandConnection::readMessages);
}

void WaylandConnection::flush() {
    if (display_)
        wl_display_flush(display_);
}

void WaylandConnection::readMessages() {
    // The socket has data, so this reads without waiting, then runs the listeners.
    if (wl_display_dispatch(display_) >= 0) {
        wl_display_flush(display_);
        return;
    }
    const int error = errno;
    qCDebug(lcWayland) << "the compositor's connection broke:" << std::strerror(error);
    close();
    emit broken();
}

void WaylandConnection::close() {
    if (!display_)
        return;
    emit aboutToClose();
    if (reader_) {
        // This may run inside the notifier's own signal: it goes once that has returned.
        reader_->setEnabled(false);
        reader_->deleteLater();
        reader_ = nullptr;
    }
    if (seat_)
        wl_seat_destroy(seat_);
    if (registry_)
        wl_registry_destroy(registry_);
    seat_ = nullptr;
    registry_ = nullptr;
    wl_display_disconnect(display_);
    display_ = nullptr;
}

}  // namespace mirato
