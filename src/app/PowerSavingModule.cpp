#include "app/PowerSavingModule.h"

#include <QCursor>

#include "app/MenuHost.h"
#include "app/PowerSaver.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "platform/IdleClock.h"
#include "platform/PlatformBackends.h"

namespace mirato {

PowerSavingModule::PowerSavingModule(PlatformBackends& platform, MediaControl& media,
                                     MenuHost& menus, const Settings& settings)
    : idleClock_(platform.idleClock()),
      saver_(std::make_unique<PowerSaver>(media, *idleClock_, [] { return QCursor::pos(); })) {
    connect(&menus, &MenuHost::powerSavingChanged, saver_.get(), &PowerSaver::setWanted);
    menus.setPowerSavingAvailable(idleClock_->isAvailable());
    connect(idleClock_.get(), &IdleClock::availabilityChanged, &menus,
            &MenuHost::setPowerSavingAvailable);
    saver_->setWanted(settings.get(SettingKeys::kPowerSaving));
}

PowerSavingModule::~PowerSavingModule() = default;

}  // namespace mirato
