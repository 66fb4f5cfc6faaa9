#include "app/DesktopAnswersModule.h"

#include "app/MenuHost.h"
#include "commandbox/CommandBox.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "platform/DesktopSearch.h"
#include "platform/PlatformBackends.h"

namespace mirato {

DesktopAnswersModule::DesktopAnswersModule(PlatformBackends& platform, CommandBox& box,
                                           MenuHost& menus, const Settings& settings)
    : box_(box), search_(platform.desktopSearch()) {
    if (!search_)
        return;
    box_.setDesktopSearch(search_.get());
    box_.setDesktopAnswersOn(settings.get(SettingKeys::kDesktopAnswers));
    menus.offerDesktopAnswers();
    connect(&menus, &MenuHost::desktopAnswersChanged, this,
            [this](bool on) { box_.setDesktopAnswersOn(on); });
}

DesktopAnswersModule::~DesktopAnswersModule() {
    if (search_)
        box_.setDesktopSearch(nullptr);
}

}  // namespace mirato
