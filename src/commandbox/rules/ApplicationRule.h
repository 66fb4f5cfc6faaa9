#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

class ApplicationCatalog;

// The whole line naming an installed application starts it from its own Exec line; one that
// wants a terminal runs in the terminal.
class ApplicationRule : public LineRule {
public:
    explicit ApplicationRule(ApplicationCatalog& catalog) : catalog_(catalog) {}
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
    void settle(const TypedLine& line) const override;
    QStringList names(const LineContext& context) const override;

private:
    ApplicationCatalog& catalog_;
};

}  // namespace mirato
