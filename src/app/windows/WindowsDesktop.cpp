// What the Windows desktop offers beside the platform concerns: its notices are the tray
// icon's balloons, the player has no sound menu there yet, and nothing needs readying ahead
// of the first picture (fonts come from the system, there is no session bus).
#include "app/DesktopNotices.h"
#include "app/SoundMenu.h"
#include "app/StartupWarmUp.h"

namespace mirato {

bool DesktopNotices::show(const QString&, const QString&) {
    return false;
}

std::unique_ptr<SoundMenu> SoundMenu::forDesktop(MediaPlayer&) {
    return nullptr;
}

StartupWarmUp::StartupWarmUp() = default;

StartupWarmUp::~StartupWarmUp() = default;

void StartupWarmUp::applicationCreated() {}

void StartupWarmUp::finish() {}

}  // namespace mirato
