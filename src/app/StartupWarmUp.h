#pragma once

#include <thread>

namespace mirato {

// Work the command box's first picture would otherwise wait for, done on worker threads while
// the main thread is busy: the desktop's font configuration is read while Qt starts (the first
// text laid out needs it), and the session bus is connected while the box is being built
// (accessibility asks for it on the box's first caption; the media keys and notifications use
// it later). Neither changes what the program does, only when it is ready.
class StartupWarmUp {
public:
    // Starts reading the font configuration: before the application object exists.
    StartupWarmUp();
    // Waits for any work still running.
    ~StartupWarmUp();
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

    // Once the application object exists: waits for the fonts (Qt must not read the
    // configuration a second time) and starts connecting the session bus.
    void applicationCreated();
    // Waits for the bus connection (before the application object goes away).
    void finish();

private:
    std::thread fonts_;
    std::thread bus_;
};

}  // namespace mirato
