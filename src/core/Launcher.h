#pragma once

#include "platform/HostConventions.h"

namespace mirato {

// How a started program's first window should appear (where the desktop lets us say so).
enum class WindowStyle { Normal, Maximised, MinimisedWithFocus };

// Starts programs without a shell and without waiting for them.
class Launcher {
public:
    virtual ~Launcher() = default;
    // False when the program could not be started; the caller carries on either way.
    virtual bool start(const Command& command, WindowStyle style = WindowStyle::Normal) = 0;
};

}  // namespace mirato
