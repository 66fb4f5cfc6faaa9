#pragma once

#include <chrono>

namespace mirato {

// Where a part that keeps its own time between two events reads the time: the machine's
// steady clock in the program, a clock stepped by hand in tests.
class Clock {
public:
    virtual ~Clock() = default;
    // Time since an arbitrary start; never goes back.
    virtual std::chrono::milliseconds now() const = 0;

    // The machine's monotonic clock.
    static const Clock& steady();
};

}  // namespace mirato
