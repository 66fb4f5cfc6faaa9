#pragma once

#include <QString>

namespace mirato {

class LineContext;

// One way to understand a line typed into the command box. The interpreter asks its rules in
// order; the first that uses the line ends the dispatch.
class LineRule {
public:
    virtual ~LineRule() = default;
    // Acts when the line is of this rule's kind; true when the line has been used.
    virtual bool tryRun(const QString& line, LineContext& context) = 0;
};

}  // namespace mirato
