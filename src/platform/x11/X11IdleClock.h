#pragma once

#include "platform/IdleClock.h"

namespace mirato {

// The X11 screen-saver extension's idle counter (X11 sessions only: XWayland does not feed it
// from native Wayland input).
class X11IdleClock : public IdleClock {
    Q_OBJECT
public:
    explicit X11IdleClock(QObject* parent = nullptr);

    std::optional<unsigned long> idleMilliseconds() override;
    bool isAvailable() const override { return available_; }

private:
    bool available_ = false;
};

}  // namespace mirato
