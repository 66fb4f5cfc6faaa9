#pragma once

#include <memory>

#include "platform/PlatformBackends.h"

namespace mirato::HostPlatform {

// Before the application object exists: what the session asks of Qt, the locale, and the search
// path the plug-ins inherit.
void prepareSession();
// The backends of the system the program runs on, for this session.
std::unique_ptr<PlatformBackends> backends();

}  // namespace mirato::HostPlatform
