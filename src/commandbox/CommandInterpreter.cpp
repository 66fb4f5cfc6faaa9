#include "commandbox/CommandInterpreter.h"

#include "core/InputModes.h"
#include "core/LineHistory.h"

namespace mirato {

CommandInterpreter::CommandInterpreter(const Services& services,
                                       std::vector<std::unique_ptr<LineRule>> rules,
                                       LineHistory& history)
    : context_(services), rules_(std::move(rules)), history_(history) {}

CommandInterpreter::~CommandInterpreter() = default;

std::optional<LineAction> CommandInterpreter::decide(const TypedLine& line) const {
    if (line.text.isEmpty())
        return std::nullopt;
    for (const auto& rule : rules_) {
        if (auto action = rule->decide(line, context_))
            return action;
    }
    return std::nullopt;
}

std::optional<LineAction> CommandInterpreter::decide(const QString& line) const {
    return decide(TypedLine::of(line, InputModes::active(context_.state)));
}

QString CommandInterpreter::run(const QString& line, bool anew) {
    const TypedLine typed = TypedLine::of(line, InputModes::active(context_.state));
    if (!typed.inMode(InputMode::RunCmd))
        history_.remember(line);
    context_.state.followText(line);
    // The Music mode is used up by reading this line as a media name, whatever takes it.
    if (!line.isEmpty() && typed.inMode(InputMode::Music))
        context_.state.setInputMode({});
    for (const auto& rule : rules_)
        rule->settle(typed);
    QString result;
    if (const std::optional<LineAction> action = decide(typed)) {
        (anew && action->runAnew ? action->runAnew : action->run)(context_);
        result = action->result;
    }
    context_.state.followText(result);
    return result;
}

QStringList CommandInterpreter::names() const {
    QStringList names;
    for (const auto& rule : rules_)
        names += rule->names(context_);
    return names;
}

}  // namespace mirato
