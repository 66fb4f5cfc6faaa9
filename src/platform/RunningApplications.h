#pragma once

#include "platform/InstalledApplications.h"

namespace mirato {

// The applications that run in this session with a window of theirs open, and switching to
// them instead of starting another copy.
class RunningApplications {
public:
    virtual ~RunningApplications() = default;
    // Whether the application has a window that switchTo() brings forward.
    virtual bool isRunning(const InstalledApplication& app) = 0;
    // Raises and focuses a window of the application: the next of its windows when one of them
    // is the active window already. False when it has none (then nothing happened).
    virtual bool switchTo(const InstalledApplication& app) = 0;
};

}  // namespace mirato
