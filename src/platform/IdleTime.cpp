#include "platform/IdleTime.h"

#include <QGuiApplication>

// Xlib's macros clash with Qt's names: after every Qt header.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace mirato::IdleTime {

std::optional<unsigned long> milliseconds() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    int eventBase = 0;
    int errorBase = 0;
    if (!XScreenSaverQueryExtension(display, &eventBase, &errorBase))
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

}  // namespace mirato::IdleTime
