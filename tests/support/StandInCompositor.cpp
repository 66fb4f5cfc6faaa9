#include "support/StandInCompositor.h"

#include <unistd.h>
#include <wayland-server.h>

#include "ext-idle-notify-v1-server-protocol.h"
#include "wlr-foreign-toplevel-management-unstable-v1-server-protocol.h"

namespace mirato::test {

namespace {

void destroyResource(wl_client*, wl_resource* resource) {
    wl_resource_destroy(resource);
}

const struct ext_idle_notification_v1_interface kNotification = {destroyResource};

void makeNotification(wl_client* client, wl_resource* notifier, uint32_t id, uint32_t timeout,
                      wl_resource*) {
    auto* compositor = static_cast<StandInCompositor*>(wl_resource_get_user_data(notifier));
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

// What a window's handle knows: its compositor and its place in the list.
struct HandleData {
    StandInCompositor* compositor;
    int index;
};

void activateWindow(wl_client*, wl_resource* handle, wl_resource*) {
    const auto* data = static_cast<HandleData*>(wl_resource_get_user_data(handle));
    data->compositor->windowActivated(data->index);
}

void ignore(wl_client*, wl_resource*) {}

// Only activation does anything; a handle goes when the client lets go of it.
struct zwlr_foreign_toplevel_handle_v1_interface handleImplementation() {
    struct zwlr_foreign_toplevel_handle_v1_interface implementation {};
    implementation.set_maximized = ignore;
    implementation.unset_maximized = ignore;
    implementation.set_minimized = ignore;
    implementation.unset_minimized = ignore;
    implementation.activate = activateWindow;
    implementation.close = ignore;
    implementation.destroy = destroyResource;
    return implementation;
}

const struct zwlr_foreign_toplevel_handle_v1_interface kHandle = handleImplementation();

void sendState(wl_resource* handle, bool activated) {
    wl_array states;
    wl_array_init(&states);
    if (activated) {
        auto* state = static_cast<uint32_t*>(wl_array_add(&states, sizeof(uint32_t)));
        *state = ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
    }
    zwlr_foreign_toplevel_handle_v1_send_state(handle, &states);
    zwlr_foreign_toplevel_handle_v1_send_done(handle);
    wl_array_release(&states);
}

const struct zwlr_foreign_toplevel_manager_v1_interface kManager = {ignore};

// The list of windows, sent to each client that binds the manager.
void bindManager(wl_client* client, void* data, uint32_t version, uint32_t id) {
    auto* compositor = static_cast<StandInCompositor*>(data);
    wl_resource* manager = wl_resource_create(client, &zwlr_foreign_toplevel_manager_v1_interface,
                                              static_cast<int>(version), id);
    wl_resource_set_implementation(manager, &kManager, compositor, nullptr);
    for (int i = 0; i < compositor->windows().size(); ++i) {
        wl_resource* handle = wl_resource_create(client, &zwlr_foreign_toplevel_handle_v1_interface,
                                                 static_cast<int>(version), 0);
        wl_resource_set_implementation(
            handle, &kHandle, new HandleData{compositor, i},
            [](wl_resource* r) { delete static_cast<HandleData*>(wl_resource_get_user_data(r)); });
        zwlr_foreign_toplevel_manager_v1_send_toplevel(manager, handle);
        zwlr_foreign_toplevel_handle_v1_send_app_id(
            handle, compositor->windows().at(i).toUtf8().constData());
        sendState(handle, i == compositor->windows().size() - 1);
    }
}

int onCommand(int fd, uint32_t, void* data) {
    char what = 0;
    if (read(fd, &what, 1) == 1)
        static_cast<StandInCompositor*>(data)->command(what);
    return 0;
}

}  // namespace

StandInCompositor::StandInCompositor(bool offerIdle, QStringList windows)
    : windows_(std::move(windows)), active_(int(windows_.size()) - 1) {
    display_ = wl_display_create();
    if (const char* name = wl_display_add_socket_auto(display_))
        socket_ = QString::fromLocal8Bit(name);
    wl_global_create(display_, &wl_seat_interface, 1, this, bindSeat);
    if (offerIdle)
        wl_global_create(display_, &ext_idle_notifier_v1_interface, 1, this, bindNotifier);
    if (!windows_.isEmpty())
        wl_global_create(display_, &zwlr_foreign_toplevel_manager_v1_interface, 1, this,
                         bindManager);
    if (pipe(pipe_) == 0)
        commands_ = wl_event_loop_add_fd(wl_display_get_event_loop(display_), pipe_[0],
                                         WL_EVENT_READABLE, onCommand, this);
    thread_ = std::thread([this] { wl_display_run(display_); });
}

StandInCompositor::~StandInCompositor() {
    send('q');
    thread_.join();
    if (commands_)
        wl_event_source_remove(commands_);
    wl_display_destroy_clients(display_);
    wl_display_destroy(display_);
    close(pipe_[0]);
    close(pipe_[1]);
}

void StandInCompositor::send(char what) {
    if (write(pipe_[1], &what, 1) != 1)
        return;
}

void StandInCompositor::command(char what) {
    if (what == 'q') {
        wl_display_terminate(display_);
        return;
    }
    if (what == 'd') {
        wl_display_destroy_clients(display_);
        return;
    }
    if (what >= '0' && what <= '9') {
        showActive(what - '0');
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

void StandInCompositor::windowActivated(int window) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        activations_.append(window);
    }
    showActive(window);
}

void StandInCompositor::showActive(int window) {
    int active = window;
    wl_list* clients = wl_display_get_client_list(display_);
    wl_client* client = nullptr;
    wl_client_for_each(client, clients) {
        wl_client_for_each_resource(
            client,
            [](wl_resource* resource, void* active) {
                if (wl_resource_instance_of(resource, &zwlr_foreign_toplevel_handle_v1_interface,
                                            &kHandle)) {
                    const auto* data =
                        static_cast<HandleData*>(wl_resource_get_user_data(resource));
                    sendState(resource, data->index == *static_cast<int*>(active));
                }
                return WL_ITERATOR_CONTINUE;
            },
            &active);
    }
    wl_display_flush_clients(display_);
    active_ = window;
}

}  // namespace mirato::test
