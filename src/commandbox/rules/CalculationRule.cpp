#include "commandbox/rules/CalculationRule.h"

#include "commandbox/rules/LineContext.h"
#include "core/Calculator.h"

namespace mirato {

std::optional<LineAction> CalculationRule::decide(const TypedLine& line,
                                                  const LineContext& c) const {
    const std::optional<QString> result = calculator_.answer(line.text);
    if (!result)
        return std::nullopt;
    // Without a finite answer the line is used up all the same: it was meant as a calculation.
    const QString title = result->isEmpty() ? c.row(MessageCode::RowNoAnswer, line.text)
                                            : QStringLiteral("= ") + *result;
    return LineAction{title, QStringLiteral("accessories-calculator"), [](LineContext&) {},
                      *result};
}

void CalculationRule::settle(const TypedLine& line) const {
    // The first answer is asked for here when nothing asked while typing (a pasted line).
    if (Calculator::looksLikeCalculation(line.text)) {
        calculator_.answer(line.text);
        calculator_.settle();
    }
}

}  // namespace mirato
