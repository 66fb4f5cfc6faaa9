#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/InputModes.h"
#include "support/InterpreterHarness.h"

using namespace mirato;
using mirato::test::InterpreterHarness;

namespace {

// Enter on a calculation keeps its result in the field and opens nothing; a line that only
// looks like one keeps the meaning it had before there was a calculator.
TEST(CalculationRuleTest, CalculationsAreAnsweredAndLookAlikesKeepTheirMeaning) {
    struct Row {
        const char* line;
        const char* result;  // what the field keeps, "|" between spellings; "" when not a result
        const char* opened;  // the address handed to the browser, if any
    };
    const Row rows[] = {
        {"2+3*4", "14", ""},
        {" 7 * 6 ", "42", ""},
        {"(1+2)^2", "9", ""},
        {"sqrt(16)", "4", ""},
        {"1/3", "0.3333333333", ""},
        {"10 km to mi", "6.2137119224 mi", ""},
        {"212 fahrenheit to celsius", "100 °C", ""},
        {"1 GiB to MiB", "1024 MiB", ""},
        {"1.5 m to ft", "4.9212598425 ft", ""},
        {"2-5", "-3", ""},
        {"3 m * 2 m", "6 m^2|6 m²", ""},  // libqalculate 5 writes the square
        // No finite answer: nothing at all happens, not even a search.
        {"1/0", "", ""},
        // Words the calculator does not know, or that are not its own, stay addresses.
        {"c++", "", "c++"},
        {"1-800-flowers", "", "1-800-flowers"},
        {"x86-64", "", "x86-64"},
        {"mp3+1", "", "mp3+1"},
        {"example.org/page-2", "", "example.org/page-2"},
        {"3 apples + 2", "", "http://www.ip138.com/ips.asp?ip=3 apples + 2&action=2"},
        // Earlier rules keep their lines.
        {"192.168.0.1", "", "http://www.ip138.com/ips.asp?ip=192.168.0.1&action=2"},
        {"12345", "", "http://user.qzone.qq.com/12345"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        InterpreterHarness h;
        const QString result = h.interpreter.run(row.line);
        const QStringList spellings = QString::fromUtf8(row.result).split('|');
        EXPECT_TRUE(spellings.contains(result)) << result.toStdString();
        EXPECT_EQ(h.opener.addresses,
                  *row.opened ? QStringList{QString::fromUtf8(row.opened)} : QStringList{});
        EXPECT_TRUE(h.launcher.launches.isEmpty());
        EXPECT_TRUE(h.media.urls.isEmpty());
        // The line is kept, so that Up brings the calculation back (a private one is not).
        if (row.line[0] != ' ') {
            EXPECT_EQ(h.history.lines().value(0), QString::fromUtf8(row.line));
        }
    }
}

TEST(CalculationRuleTest, TheAnswerIsShownBeforeEnterOnceTheCalculatorHasLoaded) {
    InterpreterHarness h;
    QSignalSpy ready(&h.calculator, &Calculator::ready);
    // The first question loads the engine and has the rules after it answer meanwhile.
    const std::optional<LineAction> first = h.interpreter.decide("2+3*4");
    ASSERT_TRUE(ready.wait(5000));
    const std::optional<LineAction> action = h.interpreter.decide("2+3*4");
    ASSERT_TRUE(action);
    EXPECT_EQ(action->title, "= 14");
    EXPECT_EQ(action->result, "14");
    EXPECT_TRUE(h.opener.addresses.isEmpty());
    // A line that is no calculation never asks the engine.
    EXPECT_FALSE(Calculator::looksLikeCalculation("hello world"));
    EXPECT_FALSE(Calculator::looksLikeCalculation("c++"));
    EXPECT_TRUE(Calculator::looksLikeCalculation("1 GiB to MiB"));
    if (first) {
        EXPECT_NE(first->title, "= 14");
    }
}

// In the modes that take every line, a calculation is what the mode makes of it.
TEST(CalculationRuleTest, InputModesComeFirst) {
    InterpreterHarness h;
    InputModes::toggle(h.state, InputMode::Google);
    EXPECT_EQ(h.interpreter.run("2+2"), "");
    EXPECT_EQ(h.opener.addresses.size(), 1);
}

}  // namespace
