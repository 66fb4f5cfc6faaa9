#pragma once

#include <memory>
#include <vector>

#include "commandbox/rules/LineRule.h"

namespace mirato {

class ApplicationCatalog;
class Calculator;

// The rules of the command box in the order the program asks them.
std::vector<std::unique_ptr<LineRule>> programRules(ApplicationCatalog& applications,
                                                    Calculator& calculator);

}  // namespace mirato
