#pragma once

namespace mirato {

// A number that came from outside (a file, a setting, another program, the network) as an int
// within [low, high]: converting a double the int cannot hold is undefined, so it is bounded
// first. Not a number gives low.
inline int boundedInt(double value, int low, int high) {
    if (!(value >= low))
        return low;
    if (value >= high)
        return high;
    return static_cast<int>(value);
}

}  // namespace mirato
