#pragma once

#include "platform/IdleClock.h"

namespace mirato {

// The time since the last keyboard or mouse input of the session (GetLastInputInfo).
class WindowsIdleClock : public IdleClock {
    Q_OBJECT
public:
    using IdleClock::IdleClock;
    std::optional<unsigned long> idleMilliseconds() override;
    bool isAvailable() const override { return true; }
};

}  // namespace mirato
