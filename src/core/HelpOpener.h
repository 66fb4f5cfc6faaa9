#pragma once

#include <QString>

#include "core/AppPaths.h"
#include "core/Launcher.h"

namespace mirato {

// Opens the help text of a language in the host's text viewer; a missing file or viewer is
// only logged. The one way F1 and the menu's help item open it.
void openHelp(const AppPaths& paths, Language language, const HostConventions& conventions,
              Launcher& launcher);

}  // namespace mirato
