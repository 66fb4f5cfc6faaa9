#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "commandbox/rules/LineContext.h"
#include "commandbox/rules/LineRule.h"

namespace mirato {

class LineHistory;

// What a line typed into the command box does when Enter is pressed: its rules are asked in
// order (see programRules()) and the first one's action runs. The text probes follow the line
// while it runs, and the box is empty afterwards. The history keeps each line, except what runs
// in a terminal (Run CMD) and lines made private with a leading blank.
class CommandInterpreter {
public:
    CommandInterpreter(const Services& services, std::vector<std::unique_ptr<LineRule>> rules,
                       LineHistory& history);
    ~CommandInterpreter();

    // What Enter would do with the line in the input mode that is on, doing nothing yet.
    std::optional<LineAction> decide(const QString& line) const;
    // Runs what Enter does with the line (anew: Shift+Enter, another copy of an application
    // that runs); gives what the field shows afterwards: "" for most lines, a calculation's
    // result.
    QString run(const QString& line, bool anew = false);
    // The names every rule knows lines by, for completion.
    QStringList names() const;

private:
    std::optional<LineAction> decide(const TypedLine& line) const;

    LineContext context_;
    std::vector<std::unique_ptr<LineRule>> rules_;
    LineHistory& history_;
};

}  // namespace mirato
