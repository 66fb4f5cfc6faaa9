#include "commandbox/rules/ComponentRule.h"

#include "commandbox/rules/LineContext.h"

namespace mirato {

std::optional<LineAction> ComponentRule::decide(const TypedLine& line, const LineContext& c) const {
    if (!LineContext::isOneOf(line.probes.last4, {".ocx", ".Ocx", ".OCX", ".dll", ".Dll", ".DLL"}))
        return std::nullopt;
    const auto registrar = c.conventions.componentRegistrar(line.text);
    if (!registrar)
        return std::nullopt;
    return LineAction{
        c.row(MessageCode::RowRegister, line.text), QStringLiteral("system-run"),
        [registrar](LineContext& c) { c.start(registrar, WindowStyle::MinimisedWithFocus); }};
}

}  // namespace mirato
