#include "commandbox/rules/InputModeRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/InputModes.h"
#include "core/ServiceAddresses.h"

namespace mirato {

std::optional<LineAction> InputModeRule::decide(const TypedLine& line, const LineContext& c) const {
    // The Music mode reads the line as a media name: the later rules play it.
    if (!line.mode || line.inMode(InputMode::Music))
        return std::nullopt;
    const QString text = line.text;
    std::function<void(LineContext&)> deed;
    MessageCode title = MessageCode::RowRun;
    QString icon = QStringLiteral("system-run");
    switch (*line.mode) {
        case InputMode::Run: {
            std::optional<Command> command;
            if (LineContext::isOneOf(line.probes.last4, {".msc", ".Msc", ".MSC"}))
                command = c.conventions.managementConsole(text);
            if (!command)
                command = c.conventions.commandFromLine(text);
            deed = [command](LineContext& c) { c.start(command); };
            break;
        }
        case InputMode::RunCmd: {
            const std::optional<Command> command = c.conventions.terminal(text);
            deed = [command](LineContext& c) { c.start(command); };
            title = MessageCode::RowRunInTerminal;
            icon = QStringLiteral("utilities-terminal");
            break;
        }
        case InputMode::Baidu:
        case InputMode::Google: {
            const QString address = *line.mode == InputMode::Baidu
                                        ? ServiceAddresses::baiduSearch(text)
                                        : ServiceAddresses::googleSearch(text);
            deed = [address](LineContext& c) { c.web.open(address); };
            title = MessageCode::RowSearchWeb;
            icon = QStringLiteral("system-search");
            break;
        }
        case InputMode::Music:
            return std::nullopt;
    }
    // The mode ends with the line.
    return LineAction{c.row(title, text), icon, [deed](LineContext& c) {
                          deed(c);
                          c.state.setInputMode({});
                      }};
}

}  // namespace mirato
