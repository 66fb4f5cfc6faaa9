#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "commandbox/rules/LineContext.h"
#include "commandbox/rules/LineRule.h"

namespace mirato {

// What a line typed into the command box does when Enter is pressed: its rules are asked in
// order (see programRules()) until one uses the line. The text probes follow the line while
// the rules run, and the box is empty afterwards.
class CommandInterpreter {
public:
    CommandInterpreter(const Services& services, std::vector<std::unique_ptr<LineRule>> rules);
    ~CommandInterpreter();

    void run(const QString& line);

private:
    LineContext context_;
    std::vector<std::unique_ptr<LineRule>> rules_;
};

}  // namespace mirato
