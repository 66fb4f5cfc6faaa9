#include "platform/x11/X11RunningApplications.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QSet>
#include <QWindow>
#include <vector>

namespace mirato {

Q_LOGGING_CATEGORY(lcRunning, "mirato.platform.running", QtWarningMsg)

namespace {

// Typing asks about the same windows over and over; the lists are read at most this often.
constexpr qint64 kSnapshotMs = 500;

xcb_connection_t* connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return found;
}

// A property of 32-bit values (windows) of the root window.
QList<quint64> windowsProperty(xcb_connection_t* c, xcb_window_t root, xcb_atom_t property) {
    QList<quint64> windows;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, property, XCB_ATOM_WINDOW, 0, 16384), nullptr);
    if (reply && reply->format == 32) {
        const auto* values = static_cast<const quint32*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < count; ++i)
            windows.append(values[i]);
    }
    free(reply);
    return windows;
}

xcb_window_t rootOf(xcb_connection_t* c) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    return screen ? screen->root : xcb_window_t(XCB_WINDOW_NONE);
}

}  // namespace

quint32 X11RunningApplications::atom(xcb_connection_t* c, const char* name) {
    // Looked up once: an atom's number stays while the server runs.
    const auto known = atoms_.constFind(QByteArray(name));
    if (known != atoms_.constEnd())
        return *known;
    const xcb_atom_t found = internAtom(c, name);
    atoms_.insert(QByteArray(name), found);
    return found;
}

const X11RunningApplications::Snapshot& X11RunningApplications::snapshot() {
    if (age_.isValid() && !age_.hasExpired(kSnapshotMs))
        return snapshot_;
    age_.start();
    snapshot_ = {};
    xcb_connection_t* c = connection();
    if (!c)
        return snapshot_;
    const xcb_window_t root = rootOf(c);
    const QList<quint64> clients = windowsProperty(c, root, atom(c, "_NET_CLIENT_LIST"));
    snapshot_.stacked = windowsProperty(c, root, atom(c, "_NET_CLIENT_LIST_STACKING"));
    snapshot_.active = windowsProperty(c, root, atom(c, "_NET_ACTIVE_WINDOW")).value(0);
    // The box is active while the user types: the window that counts is the one they came
    // from, the topmost that is not the program's own.
    QSet<quint64> own;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->handle())
            own.insert(quint64(window->winId()));
    }
    if (own.contains(snapshot_.active)) {
        snapshot_.active = 0;
        for (auto it = snapshot_.stacked.crbegin(); it != snapshot_.stacked.crend(); ++it) {
            if (!own.contains(*it)) {
                snapshot_.active = *it;
                break;
            }
        }
    }
    // Every window's class asked at once, then the answers read: one round trip.
    std::vector<xcb_get_property_cookie_t> cookies;
    for (quint64 window : clients)
        cookies.push_back(xcb_get_property(c, 0, xcb_window_t(window), XCB_ATOM_WM_CLASS,
                                           XCB_ATOM_STRING, 0, 256));
    for (qsizetype i = 0; i < clients.size(); ++i) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookies[size_t(i)], nullptr);
        OpenWindow window{clients.at(i), {}};
        if (reply && reply->format == 8) {
            const QByteArray names(static_cast<const char*>(xcb_get_property_value(reply)),
                                   xcb_get_property_value_length(reply));
            for (const QByteArray& name : names.split('\0').mid(0, 2))
                window.names.append(QString::fromLocal8Bit(name));
        }
        free(reply);
        snapshot_.mapped.append(window);
    }
    return snapshot_;
}

bool X11RunningApplications::isRunning(const InstalledApplication& app) {
    const Snapshot& now = snapshot();
    return std::any_of(now.mapped.begin(), now.mapped.end(),
                       [&app](const OpenWindow& window) { return windowBelongsTo(window, app); });
}

bool X11RunningApplications::switchTo(const InstalledApplication& app) {
    age_.invalidate();  // the active window is the one that counts now
    const Snapshot& now = snapshot();
    const quint64 window = windowToRaise(now.mapped, now.stacked, now.active, app);
    xcb_connection_t* c = connection();
    if (!window || !c)
        return false;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window);
    event.type = atom(c, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 2;  // asked by the user, as a pager or task bar asks
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, rootOf(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    qCDebug(lcRunning) << "switched to window" << window << "of" << app.id;
    age_.invalidate();
    return true;
}

}  // namespace mirato
