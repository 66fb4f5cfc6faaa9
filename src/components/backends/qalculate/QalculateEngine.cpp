#include "QalculateEngine.h"

#include <libqalculate/qalculate.h>

#include <cstring>

namespace mirato {

namespace {

// A calculation's longest run: a factorial of millions is no answer worth waiting for.
constexpr int kMaxMilliseconds = 200;

EvaluationOptions evaluationOptions() {
    EvaluationOptions options;
    // Unknown words are errors, not symbols: "x86-64" is no calculation.
    options.parse_options.unknowns_enabled = false;
    options.parse_options.limit_implicit_multiplication = true;
    options.mixed_units_conversion = MIXED_UNITS_CONVERSION_NONE;
    options.approximation = APPROXIMATION_TRY_EXACT;
    return options;
}

// The result goes back into the field and the clipboard: unit symbols such as "°C" and "Ω" are
// fine, but the minus and the operators stay the keyboard's, so that it pastes anywhere.
bool isDisplayable(const char* text, void*) {
    for (const char* sign : {"\u2212", "\u22c5", "\u00d7", "\u2215", "\u00f7", "\u2009"}) {
        if (std::strcmp(text, sign) == 0)
            return false;
    }
    return true;
}

PrintOptions printOptions() {
    PrintOptions options;
    options.use_unicode_signs = true;
    options.can_display_unicode_string_function = isDisplayable;
    options.multiplication_sign = MULTIPLICATION_SIGN_ASTERISK;
    options.division_sign = DIVISION_SIGN_SLASH;
    options.interval_display = INTERVAL_DISPLAY_SIGNIFICANT_DIGITS;
    options.number_fraction_format = FRACTION_DECIMAL;
    options.use_max_decimals = true;
    options.max_decimals = 10;
    options.lower_case_e = true;
    return options;
}

// A number people can use: real and finite.
bool isFiniteNumber(const MathStructure& value) {
    return value.isNumber() && value.number().isReal() && !value.number().isInfinite() &&
           !value.number().includesInfinity();
}

// A finite number, a unit or a product of such (a conversion's "6.21 mi", "1.5 m/s").
bool isAnswer(const MathStructure& value) {
    if (isFiniteNumber(value) || value.isUnit())
        return true;
    if (value.isPower())
        return value[0].isUnit() && isFiniteNumber(value[1]);
    if (value.isMultiplication() || value.isDivision()) {
        for (size_t i = 0; i < value.size(); ++i) {
            if (!isAnswer(value[i]))
                return false;
        }
        return value.size() > 0;
    }
    return false;
}

// Whether the engine complained: an unknown word, an operator left over, an overflow.
bool complained() {
    bool any = false;
    for (CalculatorMessage* message = CALCULATOR->message(); message;
         message = CALCULATOR->nextMessage()) {
        if (message->type() == MESSAGE_ERROR || message->type() == MESSAGE_WARNING)
            any = true;
    }
    return any;
}

}  // namespace

QalculateEngine::QalculateEngine() {
    if (!CALCULATOR)
        new Calculator(true);  // the same decimal point whatever the locale; it sets CALCULATOR
    CALCULATOR->setExchangeRatesWarningEnabled(false);
    CALCULATOR->loadGlobalDefinitions();
    CALCULATOR->setPrecision(16);
    // Lines are worked out as they are typed or pasted, before Enter: none may run a program
    // ("command", and "plot" with its drawing program), read or write a file ("load",
    // "export"), or name a value that changes the answers after it ("save", ":=").
    for (const char* name : {"command", "plot", "load", "export", "save"}) {
        if (MathFunction* function = CALCULATOR->getFunction(name))
            function->setActive(false);
    }
}

std::optional<QString> QalculateEngine::evaluate(const QString& line) {
    const EvaluationOptions evaluation = evaluationOptions();
    const std::string expression =
        CALCULATOR->unlocalizeExpression(line.trimmed().toStdString(), evaluation.parse_options);
    CALCULATOR->clearMessages();
    CALCULATOR->startControl(kMaxMilliseconds);
    const MathStructure result = CALCULATOR->calculate(expression, evaluation);
    std::optional<QString> answer;
    if (!complained() && !result.containsUnknowns()) {
        // Too long a run is a calculation without an answer too.
        const bool usable = !CALCULATOR->aborted() && isAnswer(result);
        const std::string printed = usable ? CALCULATOR->print(result, 0, printOptions()) : "";
        answer = CALCULATOR->aborted() ? QString() : QString::fromStdString(printed);
    }
    CALCULATOR->stopControl();
    CALCULATOR->clearMessages();
    return answer;
}

}  // namespace mirato
