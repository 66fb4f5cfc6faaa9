#include "commandbox/rules/ProgramRules.h"

#include "commandbox/rules/ApplicationRule.h"
#include "commandbox/rules/CalculationRule.h"
#include "commandbox/rules/ComponentRule.h"
#include "commandbox/rules/FolderWordRule.h"
#include "commandbox/rules/InputModeRule.h"
#include "commandbox/rules/IpAddressRule.h"
#include "commandbox/rules/LocalPathRule.h"
#include "commandbox/rules/MediaRule.h"
#include "commandbox/rules/NumberRule.h"
#include "commandbox/rules/OpacityRule.h"
#include "commandbox/rules/PlaylistFileRule.h"
#include "commandbox/rules/PluginRule.h"
#include "commandbox/rules/SavedPlaylistRule.h"
#include "commandbox/rules/ShortcutRule.h"
#include "commandbox/rules/WebAddressRule.h"

namespace mirato {

std::vector<std::unique_ptr<LineRule>> programRules(ApplicationCatalog& applications,
                                                    Calculator& calculator,
                                                    RunningApplications* running) {
    std::vector<std::unique_ptr<LineRule>> rules;
    rules.push_back(std::make_unique<InputModeRule>());
    rules.push_back(std::make_unique<PluginRule>());
    // Built-in commands.
    rules.push_back(std::make_unique<OpacityRule>());
    rules.push_back(std::make_unique<PlaylistFileRule>());
    // Names the program keeps.
    rules.push_back(std::make_unique<FolderWordRule>());
    rules.push_back(std::make_unique<SavedPlaylistRule>());
    rules.push_back(std::make_unique<ShortcutRule>());
    rules.push_back(std::make_unique<ApplicationRule>(applications, running));
    // What the line itself says it is.
    rules.push_back(std::make_unique<NumberRule>());
    rules.push_back(std::make_unique<MediaRule>());
    rules.push_back(std::make_unique<ComponentRule>());
    // An IP address holds no operator, and an operator makes no address.
    rules.push_back(std::make_unique<CalculationRule>(calculator));
    rules.push_back(std::make_unique<IpAddressRule>());
    rules.push_back(std::make_unique<LocalPathRule>());
    rules.push_back(std::make_unique<WebAddressRule>());
    return rules;
}

}  // namespace mirato
