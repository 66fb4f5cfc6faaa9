#pragma once

#include <QObject>
#include <memory>

namespace mirato {

class IdleClock;
class MediaControl;
class MenuHost;
class PlatformBackends;
class PowerSaver;
class Settings;

// Power saving as the tray menu offers it: the desktop's idle time, the saver that pauses and
// resumes the music, and the menu item, disabled while the desktop cannot tell idle time.
class PowerSavingModule : public QObject {
    Q_OBJECT
public:
    // Watches from now on when the setting says so.
    PowerSavingModule(PlatformBackends& platform, MediaControl& media, MenuHost& menus,
                      const Settings& settings);
    ~PowerSavingModule() override;

private:
    std::unique_ptr<IdleClock> idleClock_;
    std::unique_ptr<PowerSaver> saver_;
};

}  // namespace mirato
