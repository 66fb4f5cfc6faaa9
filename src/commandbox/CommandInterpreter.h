#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "commandbox/rules/LineContext.h"
#include "commandbox/rules/LineRule.h"

namespace mirato {

class LineHistory;

// What a line typed into the command box does when Enter is pressed: its rules are asked in
// order (see programRules()) until one uses the line. The text probes follow the line while
// the rules run, and the box is empty afterwards. The history keeps each line, except what
// runs in a terminal (Run CMD) and lines made private with a leading blank.
class CommandInterpreter {
public:
    CommandInterpreter(const Services& services, std::vector<std::unique_ptr<LineRule>> rules,
                       LineHistory& history);
    ~CommandInterpreter();

    void run(const QString& line);

private:
    LineContext context_;
    std::vector<std::unique_ptr<LineRule>> rules_;
    LineHistory& history_;
};

}  // namespace mirato
