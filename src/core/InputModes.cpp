#include "core/InputModes.h"

#include "core/AppState.h"
#include "core/Strings.h"

namespace mirato::InputModes {

MessageCode text(InputMode mode) {
    switch (mode) {
        case InputMode::Music:
            return MessageCode::ModeMusic;
        case InputMode::Run:
            return MessageCode::ModeRun;
        case InputMode::RunCmd:
            return MessageCode::ModeRunCmd;
        case InputMode::Baidu:
            return MessageCode::ModeBaidu;
        case InputMode::Google:
            break;
    }
    return MessageCode::ModeGoogle;
}

void toggle(AppState& state, InputMode mode) {
    if (isActive(state, mode))
        state.setInputMode(std::nullopt);
    else
        state.setInputMode(ShownInputMode{mode, state.language()});
}

bool isActive(const AppState& state, InputMode mode) {
    const QString shown = shownText(state);
    return !shown.isEmpty() && shown == Strings::message(state.language(), text(mode));
}

std::optional<InputMode> active(const AppState& state) {
    for (InputMode mode : {InputMode::Music, InputMode::Run, InputMode::RunCmd, InputMode::Baidu,
                           InputMode::Google}) {
        if (isActive(state, mode))
            return mode;
    }
    return std::nullopt;
}

QString shownText(const AppState& state) {
    const std::optional<ShownInputMode> shown = state.inputMode();
    return shown ? Strings::message(shown->language, text(shown->mode)) : QString();
}

}  // namespace mirato::InputModes
