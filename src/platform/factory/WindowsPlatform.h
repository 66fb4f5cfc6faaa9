#pragma once

#include "platform/PlatformBackends.h"

namespace mirato {

// The backends of a Windows session: one per concern, whatever the desktop.
class WindowsPlatform : public PlatformBackends {
public:
    std::unique_ptr<InstanceChannel> instanceChannel() override;
    std::unique_ptr<GlobalShortcut> globalShortcut() override;
    std::unique_ptr<IdleClock> idleClock() override;
    std::unique_ptr<LoginEntryStore> loginEntry() override;
    std::unique_ptr<SessionEnd> sessionEnd() override;
    std::unique_ptr<DesktopSearch> desktopSearch() override;
    std::unique_ptr<RunningApplications> runningApplications() override;
    std::unique_ptr<AssociationStore> associationStore(const QString& program,
                                                       const QString& iconFolder) override;
};

}  // namespace mirato
