#include "platform/factory/HostPlatform.h"
#include "platform/factory/SessionPlatform.h"

namespace mirato::HostPlatform {

std::unique_ptr<PlatformBackends> backends() {
    return std::make_unique<SessionPlatform>();
}

}  // namespace mirato::HostPlatform
