#include <QProcessEnvironment>
#include <clocale>

#include "platform/factory/HostPlatform.h"
#include "platform/factory/SessionPlatform.h"

namespace mirato::HostPlatform {

void prepareSession() {
    SessionPlatform::preferXWayland(QProcessEnvironment::systemEnvironment());
    // The locale of the environment, which the application object sets when it is made, is
    // set now: work begun before it (a song's engine) finds the user's locale.
    std::setlocale(LC_ALL, "");
}

std::unique_ptr<PlatformBackends> backends() {
    return std::make_unique<SessionPlatform>();
}

}  // namespace mirato::HostPlatform
