#include "app/Application.h"

#include "commandbox/CommandBox.h"
#include "core/AppState.h"

namespace mirato {

Application::Application()
    : state_(std::make_unique<AppState>()), commandBox_(std::make_unique<CommandBox>(*state_)) {}

Application::~Application() = default;

void Application::start() {
    state_->setBoxShown(true);
    commandBox_->show();
    commandBox_->activateWindow();
    commandBox_->setFocus();
}

}  // namespace mirato
