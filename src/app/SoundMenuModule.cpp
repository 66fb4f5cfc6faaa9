#include "app/SoundMenuModule.h"

#include "app/SoundMenu.h"
#include "components/MediaPlayer.h"
#include "core/AppState.h"
#include "core/PlayMode.h"
#include "core/Settings.h"
#include "core/WindowRequests.h"

namespace mirato {

SoundMenuModule::SoundMenuModule(AppState& state, MediaPlayer& media, Settings& settings,
                                 WindowRequests& windows)
    : media_(media), settings_(settings), windows_(windows) {
    connect(&state, &AppState::playerLoadedChanged, this, &SoundMenuModule::playerLoaded);
}

SoundMenuModule::~SoundMenuModule() = default;

void SoundMenuModule::playerLoaded(bool loaded) {
    if (!loaded || menu_)
        return;
    menu_ = SoundMenu::forDesktop(media_);
    if (!menu_)
        return;
    connect(menu_.get(), &SoundMenu::raiseRequested, this, [this] { windows_.showPlayer(); });
    connect(menu_.get(), &SoundMenu::quitRequested, this, &SoundMenuModule::quitRequested);
    // The menus read their ticks from the settings each time they open.
    connect(menu_.get(), &SoundMenu::playModeRequested, this, [this](PlayMode mode, bool on) {
        media_.setMode(mode, on);
        settings_.set(PlayModes::setting(mode), on);
    });
    menu_->registerOnBus();
}

}  // namespace mirato
