#pragma once

#include "core/Launcher.h"

namespace mirato {

// Starts programs as detached processes; the desktop decides how their windows appear.
class ProcessLauncher : public Launcher {
public:
    bool start(const Command& command, WindowStyle style) override;
};

}  // namespace mirato
