#include "commandbox/rules/InputModeRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/InputModes.h"
#include "core/ServiceAddresses.h"

namespace mirato {

bool InputModeRule::tryRun(const QString& line, LineContext& c) {
    AppState& state = c.state;
    auto active = [&state](MessageCode mode) { return InputModes::isActive(state, mode); };
    if (active(MessageCode::ModeMusic)) {
        // The line stays; the later rules read it as a media name.
        state.overrideExtension(QStringLiteral(".mp3"));
        state.setInputMode({});
        return false;
    }
    if (active(MessageCode::ModeRun)) {
        std::optional<Command> console;
        if (LineContext::isOneOf(state.probes().last4, {".msc", ".Msc", ".MSC"}))
            console = c.conventions.managementConsole(line);
        c.start(console ? console : c.conventions.commandFromLine(line));
    } else if (active(MessageCode::ModeRunCmd)) {
        c.start(c.conventions.terminal(line));
    } else if (active(MessageCode::ModeBaidu)) {
        c.web.open(ServiceAddresses::baiduSearch(line));
    } else if (active(MessageCode::ModeGoogle)) {
        c.web.open(ServiceAddresses::googleSearch(line));
    } else {
        return false;
    }
    state.setInputMode({});
    return true;
}

}  // namespace mirato
