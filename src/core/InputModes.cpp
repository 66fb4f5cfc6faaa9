#include "core/InputModes.h"

#include "core/Strings.h"

namespace mirato::InputModes {

void toggle(AppState& state, MessageCode mode) {
    const QString text = Strings::message(state.language(), mode);
    state.setInputMode(state.inputMode() == text ? QString() : text);
}

bool isActive(const AppState& state, MessageCode mode) {
    return state.inputMode() == Strings::message(state.language(), mode);
}

std::optional<MessageCode> active(const AppState& state) {
    for (MessageCode mode : {MessageCode::ModeMusic, MessageCode::ModeRun, MessageCode::ModeRunCmd,
                             MessageCode::ModeBaidu, MessageCode::ModeGoogle}) {
        if (isActive(state, mode))
            return mode;
    }
    return std::nullopt;
}

}  // namespace mirato::InputModes
