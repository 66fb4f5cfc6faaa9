#include "core/MemoryTrim.h"

#include "core/ProcessMemory.h"

namespace mirato {

MemoryTrim::MemoryTrim(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [] { ProcessMemory::giveBack(); });
}

void MemoryTrim::soon(std::chrono::milliseconds delay) {
    if (timer_.isActive() && timer_.remainingTimeAsDuration() <= delay)
        return;
    timer_.start(delay);
}

}  // namespace mirato
