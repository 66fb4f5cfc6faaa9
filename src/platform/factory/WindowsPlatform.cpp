#include "platform/factory/WindowsPlatform.h"

#include "platform/DesktopSearch.h"
#include "platform/RunningApplications.h"
#include "platform/windows/WindowsClassStore.h"
#include "platform/windows/WindowsHotKey.h"
#include "platform/windows/WindowsIdleClock.h"
#include "platform/windows/WindowsInstanceChannel.h"
#include "platform/windows/WindowsRunKey.h"
#include "platform/windows/WindowsSessionEnd.h"

namespace mirato {

std::unique_ptr<InstanceChannel> WindowsPlatform::instanceChannel() {
    return std::make_unique<WindowsInstanceChannel>();
}

std::unique_ptr<GlobalShortcut> WindowsPlatform::globalShortcut() {
    return std::make_unique<WindowsHotKey>();
}

std::unique_ptr<IdleClock> WindowsPlatform::idleClock() {
    return std::make_unique<WindowsIdleClock>();
}

std::unique_ptr<LoginEntryStore> WindowsPlatform::loginEntry() {
    return std::make_unique<WindowsRunKey>();
}

std::unique_ptr<SessionEnd> WindowsPlatform::sessionEnd() {
    return std::make_unique<WindowsSessionEnd>();
}

std::unique_ptr<DesktopSearch> WindowsPlatform::desktopSearch() {
    return nullptr;  // the Windows search has no interface for other programs to ask
}

std::unique_ptr<RunningApplications> WindowsPlatform::runningApplications() {
    return nullptr;  // applications are found by their desktop entries, which Windows has not
}

std::unique_ptr<AssociationStore> WindowsPlatform::associationStore(const QString& program,
                                                                    const QString& iconFolder) {
    return std::make_unique<WindowsClassStore>(program, iconFolder);
}

}  // namespace mirato
