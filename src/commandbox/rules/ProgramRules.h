#pragma once

#include <memory>
#include <vector>

#include "commandbox/rules/LineRule.h"

namespace mirato {

class ApplicationCatalog;
class Calculator;
class RunningApplications;

// The rules of the command box in the order the program asks them. running: which
// applications to switch to rather than start (nullptr: none).
std::vector<std::unique_ptr<LineRule>> programRules(ApplicationCatalog& applications,
                                                    Calculator& calculator,
                                                    RunningApplications* running = nullptr);

}  // namespace mirato
