#pragma once

#include "core/AddressOpener.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/Launcher.h"
#include "core/MediaControl.h"
#include "core/Notifier.h"
#include "core/PluginCatalog.h"
#include "core/WindowRequests.h"

namespace mirato {

// The shared state and the effects the program's logic acts through, handed around as one.
struct Services {
    AppState& state;
    const AppPaths& paths;
    const HostConventions& conventions;
    const PluginCatalog& plugins;
    Launcher& launcher;
    AddressOpener& web;
    MediaControl& media;
    WindowRequests& windows;
    Notifier& notifier;
    Dialogs& dialogs;
};

}  // namespace mirato
