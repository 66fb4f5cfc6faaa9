#pragma once

#include "platform/GlobalShortcut.h"
#include "platform/IdleClock.h"
#include "platform/factory/SessionPlatform.h"

namespace mirato::test {

// A global shortcut the test presses itself; what it was asked is kept.
class FakeShortcut : public GlobalShortcut {
public:
    void bind(const QString& description) override { descriptions.append(description); }
    void release() override { released = true; }
    bool canChangeTrigger() const override { return changeable; }
    void changeTrigger() override { ++changeRequests; }

    QStringList descriptions;
    bool released = false;
    bool changeable = false;
    int changeRequests = 0;
};

class FakeIdleClock : public IdleClock {
public:
    std::optional<unsigned long> idleMilliseconds() override { return idle; }
    bool isAvailable() const override { return available; }
    std::optional<unsigned long> idle;
    bool available = true;
};

// The session's real stores (on the test's private folders), with a shortcut and an idle clock
// the test controls. The made objects stay reachable through the pointers.
class TestPlatform : public SessionPlatform {
public:
    TestPlatform() : SessionPlatform(QProcessEnvironment()) {}
    std::unique_ptr<GlobalShortcut> globalShortcut() override {
        auto made = std::make_unique<FakeShortcut>();
        shortcut = made.get();
        return made;
    }
    std::unique_ptr<IdleClock> idleClock() override {
        auto made = std::make_unique<FakeIdleClock>();
        made->available = idleAvailable;
        idle = made.get();
        return made;
    }
    bool idleAvailable = true;
    FakeShortcut* shortcut = nullptr;
    FakeIdleClock* idle = nullptr;
};

}  // namespace mirato::test
