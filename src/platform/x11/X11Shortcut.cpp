#include "platform/x11/X11Shortcut.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>

// Xlib's macros clash with Qt's names: after every Qt header.
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

Q_LOGGING_CATEGORY(lcHotkey, "mirato.platform.hotkey", QtWarningMsg)

namespace mirato {

namespace {

// Alt, alone or with NumLock (Mod2) and CapsLock (Lock).
constexpr uint16_t kModifierSets[] = {XCB_MOD_MASK_1, XCB_MOD_MASK_1 | XCB_MOD_MASK_2,
                                      XCB_MOD_MASK_1 | XCB_MOD_MASK_LOCK,
                                      XCB_MOD_MASK_1 | XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK};

QNativeInterface::QX11Application* x11() {
    return qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
}

}  // namespace

X11Shortcut::X11Shortcut(QObject* parent) : GlobalShortcut(parent) {}

X11Shortcut::~X11Shortcut() {
    release();
}

void X11Shortcut::bind(const QString&) {
    auto* native = x11();
    if (!native || !native->connection() || !native->display()) {
        qCDebug(lcHotkey) << "no X11 display: no global hotkey";
        emit unavailable(Problem::NoBackend);
        return;
    }
    xcb_connection_t* connection = native->connection();
    const unsigned int keycode = XKeysymToKeycode(native->display(), XK_r);
    if (keycode == 0) {
        emit unavailable(Problem::NoBackend);
        return;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    for (uint16_t modifiers : kModifierSets) {
        const xcb_void_cookie_t cookie = xcb_grab_key_checked(
            connection, 1, root, modifiers, static_cast<xcb_keycode_t>(keycode),
            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* error = xcb_request_check(connection, cookie)) {
            qCDebug(lcHotkey) << "Alt+R is held by another program";
            free(error);
            keycode_ = keycode;  // release what was grabbed
            release();
            emit unavailable(Problem::Taken);
            return;
        }
    }
    keycode_ = keycode;
    QCoreApplication::instance()->installNativeEventFilter(this);
    emit bound(QStringLiteral("Alt+R"));
}

void X11Shortcut::release() {
    if (keycode_ == 0)
        return;
    auto* native = x11();
    if (native && native->connection()) {
        xcb_connection_t* connection = native->connection();
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        for (uint16_t modifiers : kModifierSets)
            xcb_ungrab_key(connection, static_cast<xcb_keycode_t>(keycode_), root, modifiers);
        xcb_flush(connection);
    }
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    keycode_ = 0;
}

bool X11Shortcut::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || keycode_ == 0)
        return false;
    const auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    const uint16_t relevant =
        key->state & (XCB_MOD_MASK_1 | XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_4);
    if (key->detail != keycode_ || relevant != XCB_MOD_MASK_1)
        return false;
    emit activated();
    return true;
}

}  // namespace mirato
