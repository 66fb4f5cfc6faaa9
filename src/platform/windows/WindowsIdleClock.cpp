#include "platform/windows/WindowsIdleClock.h"

#include <windows.h>

namespace mirato {

std::optional<unsigned long> WindowsIdleClock::idleMilliseconds() {
    LASTINPUTINFO info{};
    info.cbSize = sizeof info;
    if (!GetLastInputInfo(&info))
        return std::nullopt;
    // Both are 32-bit tick counts: the difference is right across their wrap after 49 days.
    return static_cast<unsigned long>(static_cast<DWORD>(GetTickCount() - info.dwTime));
}

}  // namespace mirato
