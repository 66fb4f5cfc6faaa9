#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>

#include "components/CalculatorModule.h"
#include "support/TempEnvironment.h"

using mirato::Calculator;
using mirato::CalculatorModule;
using mirato::test::TempEnvironment;

namespace {

// The calculator plug-in as the box asks it, line by line as it is typed.
class CalculatorModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The first question loads the engine; the answers come once it is there.
        QSignalSpy ready(&calculator, &Calculator::ready);
        calculator.answer("1+1");
        ASSERT_TRUE(ready.wait(20000));
    }

    TempEnvironment env;
    CalculatorModule calculator{MIRATO_TEST_BACKEND_DIR "/libmirato-qalculate"};
};

TEST_F(CalculatorModuleTest, CalculationsAndConversionsAreAnswered) {
    const std::pair<const char*, std::optional<QString>> rows[] = {
        {"2+3*4", "14"},
        {"10 km to mi", "6.2137119224 mi"},
        {"1/0", ""},               // a calculation without a finite answer
        {"x86-64", std::nullopt},  // a word it does not know
        {"hello", std::nullopt},   // not asked at all
    };
    for (const auto& [line, answer] : rows)
        EXPECT_EQ(calculator.answer(line), answer) << line;
}

// What would reach outside the calculation (a program, a file) or leave a name behind for the
// lines after it is no calculation: the line may be half typed, or pasted.
TEST_F(CalculatorModuleTest, NoLineRunsAProgramTouchesAFileOrLeavesAName) {
    // A comma groups digits in the box: arguments are parted by ";".
    const QString ran = env.path("ran1");
    const QString written = env.path("written2.csv");
    const QString numbers = env.writeFile("numbers3.csv", "4,5\n");
    const QString lines[] = {
        QStringLiteral("command(\"touch %1\")").arg(ran),
        QStringLiteral("command(\"touch %1\"").arg(ran),  // as typed, before its ")"
        QStringLiteral("export([1 2 3]; \"%1\")").arg(written),
        QStringLiteral("load(\"%1\")").arg(numbers),
        QStringLiteral("plot(x^2; 0; 10)"),
        QStringLiteral("save(5; abc1)"),
        QStringLiteral("abc2 := 7"),
        QStringLiteral("abc1+1"),
        QStringLiteral("abc2+1"),
    };
    for (const QString& line : lines) {
        const std::optional<QString> answer = calculator.answer(line);
        EXPECT_TRUE(!answer || answer->isEmpty())
            << line.toStdString() << " = " << answer->toStdString();
    }
    EXPECT_FALSE(QFile::exists(ran));
    EXPECT_FALSE(QFile::exists(written));
    EXPECT_EQ(calculator.answer("2+2"), "4");
}

}  // namespace
