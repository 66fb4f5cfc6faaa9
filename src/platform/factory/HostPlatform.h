#pragma once

#include <memory>

#include "platform/PlatformBackends.h"

namespace mirato::HostPlatform {

// What the program's first moments need, before the window libraries are loaded (Linux keeps
// them in the start library, which links no more than QtCore):
// before the application object exists, what the session asks of Qt, the locale, and the search
// path the plug-ins inherit;
void prepareSession();
// the channel between the first instance and later starts.
std::unique_ptr<InstanceChannel> instanceChannel();

// The backends of the system the program runs on, for this session.
std::unique_ptr<PlatformBackends> backends();

}  // namespace mirato::HostPlatform
