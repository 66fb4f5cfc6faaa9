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

}  // namespace mirato::InputModes
