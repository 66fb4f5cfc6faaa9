// Measures, from outside, how long a program takes to show its first window: forks and execs
// the program and watches the X server for the first top-level window it maps and the first
// damage (drawing) of that window, as a compositor would see it.
//   mirato-firstpaint PROGRAM [ARGS...]   prints the milliseconds from exec to first paint
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: mirato-firstpaint PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fputs("no X display\n", stderr);
        return 1;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fputs("no DAMAGE extension\n", stderr);
        return 1;
    }
    xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double ms = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const uint8_t type = event->response_type & ~0x80;
        if (type == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const xcb_damage_damage_t d = xcb_generate_id(c);
            xcb_damage_create(c, d, map->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(c);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
            free(event);
            break;
        }
        free(event);
    }
    std::printf("%.1f\n", ms);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(c);
    return ms < 0 ? 1 : 0;
}
