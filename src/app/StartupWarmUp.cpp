#include "app/StartupWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <QDBusConnection>

namespace mirato {

StartupWarmUp::StartupWarmUp() : fonts_([] { FcInit(); }) {}

StartupWarmUp::~StartupWarmUp() {
    if (fonts_.joinable())
        fonts_.join();
    finish();
}

void StartupWarmUp::applicationCreated() {
    if (fonts_.joinable())
        fonts_.join();
    if (!bus_.joinable())
        bus_ = std::thread([] { QDBusConnection::sessionBus(); });
}

void StartupWarmUp::finish() {
    if (bus_.joinable())
        bus_.join();
}

}  // namespace mirato
