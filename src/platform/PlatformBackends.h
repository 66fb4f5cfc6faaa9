#pragma once

#include <QString>
#include <memory>

namespace mirato {

class AssociationStore;
class DesktopSearch;
class GlobalShortcut;
class IdleClock;
class InstanceChannel;
class LoginEntryStore;
class RunningApplications;
class SessionEnd;

// The program's application id: the desktop entry is named after it, and desktops and
// portals know the program by it.
inline constexpr const char* kApplicationId = "org.mirato.Mirato";

// Makes, for each platform concern, the backend that serves it in this session.
class PlatformBackends {
public:
    virtual ~PlatformBackends() = default;
    virtual std::unique_ptr<InstanceChannel> instanceChannel() = 0;
    virtual std::unique_ptr<GlobalShortcut> globalShortcut() = 0;
    virtual std::unique_ptr<IdleClock> idleClock() = 0;
    virtual std::unique_ptr<LoginEntryStore> loginEntry() = 0;
    virtual std::unique_ptr<SessionEnd> sessionEnd() = 0;
    // The desktop's own search sources; nullptr where the system has none to ask.
    virtual std::unique_ptr<DesktopSearch> desktopSearch() = 0;
    // Which applications have a window open, to switch to rather than start again; nullptr
    // where the session does not tell.
    virtual std::unique_ptr<RunningApplications> runningApplications() = 0;
    // program: what the handler entries start; iconFolder: where the file-type pictures are.
    virtual std::unique_ptr<AssociationStore> associationStore(const QString& program,
                                                               const QString& iconFolder) = 0;
};

}  // namespace mirato
