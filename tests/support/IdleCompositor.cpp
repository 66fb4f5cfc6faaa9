#include "support/IdleCompositor.h"

#include <unistd.h>
#include <wayland-server.h>

#include "ext-idle-notify-v1-server-protocol.h"

namespace mirato::test {

namespace {

void destroyResource(wl_client*, wl_resource* resource) {
    wl_resource_destroy(resource);
}

const struct ext_idle_notification_v1_interface kNotification = {destroyResource};

void makeNotification(wl_client* client, wl_resource* notifier, uint32_t id, uint32_t timeout,
                      wl_resource*) {
    auto* compositor = static_cast<IdleCompositor*>(wl_resource_get_user_data(notifier));
    wl_resource* made = wl_resource_create(client, &ext_idle_notification_v1_interface, 1, id);
    wl_resource_set_implementation(made, &kNotification, compositor, nullptr);
    compositor->notificationMade(timeout);
}

// Named members: newer protocol versions add requests (input idle notifications) this
// compositor does not offer, and leave them null.
struct ext_idle_notifier_v1_interface notifierImplementation() {
    struct ext_idle_notifier_v1_interface implementation {};
    implementation.destroy = destroyResource;
    implementation.get_idle_notification = makeNotification;
    return implementation;
}

const struct ext_idle_notifier_v1_interface kNotifier = notifierImplementation();

void bindNotifier(wl_client* client, void* data, uint32_t version, uint32_t id) {
    wl_resource* made =
        wl_resource_create(client, &ext_idle_notifier_v1_interface, static_cast<int>(version), id);
    wl_resource_set_implementation(made, &kNotifier, data, nullptr);
}

// The seat only has to exist: nobody asks it for devices.
void bindSeat(wl_client* client, void*, uint32_t version, uint32_t id) {
    wl_resource* made =
        wl_resource_create(client, &wl_seat_interface, static_cast<int>(version), id);
    wl_resource_set_implementation(made, nullptr, nullptr, nullptr);
}

int onCommand(int fd, uint32_t, void* data) {
    char what = 0;
    if (read(fd, &what, 1) == 1)
        static_cast<IdleCompositor*>(data)->command(what);
    return 0;
}

}  // namespace

IdleCompositor::IdleCompositor(bool offerIdle) {
    display_ = wl_display_create();
    if (const char* name = wl_display_add_socket_auto(display_))
        socket_ = QString::fromLocal8Bit(name);
    wl_global_create(display_, &wl_seat_interface, 1, this, bindSeat);
    if (offerIdle)
        wl_global_create(display_, &ext_idle_notifier_v1_interface, 1, this, bindNotifier);
    if (pipe(pipe_) == 0)
        commands_ = wl_event_loop_add_fd(wl_display_get_event_loop(display_), pipe_[0],
                                         WL_EVENT_READABLE, onCommand, this);
    thread_ = std::thread([this] { wl_display_run(display_); });
}

IdleCompositor::~IdleCompositor() {
    send('q');
    thread_.join();
    if (commands_)
        wl_event_source_remove(commands_);
    wl_display_destroy_clients(display_);
    wl_display_destroy(display_);
    close(pipe_[0]);
    close(pipe_[1]);
}

void IdleCompositor::send(char what) {
    if (write(pipe_[1], &what, 1) != 1)
        return;
}

void IdleCompositor::command(char what) {
    if (what == 'q') {
        wl_display_terminate(display_);
        return;
    }
    if (what == 'd') {
        wl_display_destroy_clients(display_);
        return;
    }
    wl_list* clients = wl_display_get_client_list(display_);
    wl_client* client = nullptr;
    wl_client_for_each(client, clients) {
        wl_client_for_each_resource(
            client,
            [](wl_resource* resource, void* what) {
                if (!wl_resource_instance_of(resource, &ext_idle_notification_v1_interface,
                                             &kNotification))
                    return WL_ITERATOR_CONTINUE;
                if (*static_cast<char*>(what) == 'i')
                    ext_idle_notification_v1_send_idled(resource);
                else
                    ext_idle_notification_v1_send_resumed(resource);
                return WL_ITERATOR_CONTINUE;
            },
            &what);
    }
    wl_display_flush_clients(display_);
}

}  // namespace mirato::test
