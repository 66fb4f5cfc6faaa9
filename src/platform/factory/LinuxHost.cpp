#include <QProcessEnvironment>

#include "platform/factory/HostPlatform.h"
#include "platform/factory/SessionPlatform.h"

namespace mirato::HostPlatform {

void prepareSession() {
    SessionPlatform::preferXWayland(QProcessEnvironment::systemEnvironment());
}

std::unique_ptr<PlatformBackends> backends() {
    return std::make_unique<SessionPlatform>();
}

}  // namespace mirato::HostPlatform
