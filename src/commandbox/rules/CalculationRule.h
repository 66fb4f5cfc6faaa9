#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

class Calculator;

// A calculation or a unit conversion ("2+3*4", "10 km to mi") is answered, not started: its
// result replaces the line in the field and goes to the clipboard. A line without a finite
// answer, or with a word the calculator does not know, is left to the rules after it.
class CalculationRule : public LineRule {
public:
    explicit CalculationRule(Calculator& calculator) : calculator_(calculator) {}
    std::optional<LineAction> decide(const TypedLine& line,
                                     const LineContext& context) const override;
    void settle(const TypedLine& line) const override;

private:
    Calculator& calculator_;
};

}  // namespace mirato
