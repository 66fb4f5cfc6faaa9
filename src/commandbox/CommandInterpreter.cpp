#include "commandbox/CommandInterpreter.h"

namespace mirato {

CommandInterpreter::CommandInterpreter(const Services& services,
                                       std::vector<std::unique_ptr<LineRule>> rules)
    : context_(services), rules_(std::move(rules)) {}

CommandInterpreter::~CommandInterpreter() = default;

void CommandInterpreter::run(const QString& line) {
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
