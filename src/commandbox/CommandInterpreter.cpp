#include "commandbox/CommandInterpreter.h"

#include "core/InputModes.h"
#include "core/LineHistory.h"

namespace mirato {

CommandInterpreter::CommandInterpreter(const Services& services,
                                       std::vector<std::unique_ptr<LineRule>> rules,
                                       LineHistory& history)
    : context_(services), rules_(std::move(rules)), history_(history) {}

CommandInterpreter::~CommandInterpreter() = default;

void CommandInterpreter::run(const QString& line) {
    if (!InputModes::isActive(context_.state, MessageCode::ModeRunCmd))
        history_.remember(line);
    context_.state.followText(line);
    if (!line.isEmpty()) {
        for (const auto& rule : rules_) {
            if (rule->tryRun(line, context_))
                break;
        }
    }
    context_.state.followText(QString());
}

}  // namespace mirato
