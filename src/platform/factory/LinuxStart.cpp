#include <QProcessEnvironment>
#include <clocale>

#include "platform/factory/HostPlatform.h"
#include "platform/factory/SessionPlatform.h"
#include "platform/posix/PosixInstanceChannel.h"

// The start library: what main needs before the window libraries load. The session's kind is
// told here too (the only part of SessionPlatform these need), so that the start library does
// not bring in the backends, which use QtGui.
namespace mirato {

SessionPlatform::Session SessionPlatform::sessionOf(const QProcessEnvironment& environment) {
    if (!environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
        environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland"))
        return Session::Wayland;
    return Session::X11;
}

void SessionPlatform::preferXWayland(const QProcessEnvironment& environment) {
    if (sessionOf(environment) == Session::Wayland &&
        !environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

namespace HostPlatform {

void prepareSession() {
    SessionPlatform::preferXWayland(QProcessEnvironment::systemEnvironment());
    // The locale of the environment, which the application object sets when it is made, is
    // set now: work begun before it (a song's engine) finds the user's locale.
    std::setlocale(LC_ALL, "");
}

std::unique_ptr<InstanceChannel> instanceChannel() {
    return std::make_unique<PosixInstanceChannel>();
}

}  // namespace HostPlatform

}  // namespace mirato
