#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

class ApplicationCatalog;
class RunningApplications;

// The whole line naming an installed application starts it from its own Exec line; one that
// wants a terminal runs in the terminal. One that has a window open already is switched to
// (its next window, when one of them is active), and Shift+Enter starts another copy.
class ApplicationRule : public LineRule {
public:
    // running: which applications run (nullptr: none known).
    explicit ApplicationRule(ApplicationCatalog& catalog, RunningApplications* running = nullptr)
        : catalog_(catalog), running_(running) {}
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
    void settle(const TypedLine& line) const override;
    QStringList names(const LineContext& context) const override;

private:
    ApplicationCatalog& catalog_;
    RunningApplications* running_;
};

}  // namespace mirato
