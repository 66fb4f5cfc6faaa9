#include "platform/x11/X11IdleClock.h"

#include <QGuiApplication>

// Xlib's macros clash with Qt's names: after every Qt header.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace mirato {

namespace {

Display* x11Display() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

}  // namespace

X11IdleClock::X11IdleClock(QObject* parent) : IdleClock(parent) {
    int eventBase = 0;
    int errorBase = 0;
    Display* display = x11Display();
    available_ = display && XScreenSaverQueryExtension(display, &eventBase, &errorBase);
}

std::optional<unsigned long> X11IdleClock::idleMilliseconds() {
    Display* display = x11Display();
    if (!available_ || !display)
        return std::nullopt;
    XScreenSaverInfo* info = XScreenSaverAllocInfo();
    if (!info)
        return std::nullopt;
    std::optional<unsigned long> idle;
    if (XScreenSaverQueryInfo(display, DefaultRootWindow(display), info))
        idle = info->idle;
    XFree(info);
    return idle;
}

}  // namespace mirato
