#include "commandbox/rules/ComponentRule.h"

#include "commandbox/rules/LineContext.h"

namespace mirato {

bool ComponentRule::tryRun(const QString& line, LineContext& c) {
    if (!LineContext::isOneOf(c.state.probes().last4,
                              {".ocx", ".Ocx", ".OCX", ".dll", ".Dll", ".DLL"}))
        return false;
    const auto registrar = c.conventions.componentRegistrar(line);
    if (!registrar)
        return false;
    c.start(registrar, WindowStyle::MinimisedWithFocus);
    return true;
}

}  // namespace mirato
