#include "platform/factory/HostPlatform.h"
#include "platform/factory/WindowsPlatform.h"

namespace mirato::HostPlatform {

void prepareSession() {}

std::unique_ptr<PlatformBackends> backends() {
    return std::make_unique<WindowsPlatform>();
}

}  // namespace mirato::HostPlatform
