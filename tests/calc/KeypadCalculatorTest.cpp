#include "calc/KeypadCalculator.h"
#include "calc/NumberText.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>
#include <map>
#include <string>

namespace {

using Key = KeypadCalculator::Key;

// Presses a sequence of keys written as the keypad labels them, separated by
// spaces: digits, ".", operators, "=", "BS" (Backspace), "CE", "C", "Inv"
// (ticks the check box), "Angle"/"Radian" (the radio buttons).
void pressAll(KeypadCalculator& calc, const std::string& sequence)
{
    static const std::map<QString, Key> keys = {
        {QStringLiteral("/"), Key::Divide}, {QStringLiteral("*"), Key::Multiply},
        {QStringLiteral("-"), Key::Subtract}, {QStringLiteral("+"), Key::Add},
        {QStringLiteral("x^y"), Key::Power}, {QStringLiteral("+/-"), Key::Negate},
        {QStringLiteral("%"), Key::Percent}, {QStringLiteral("1/x"), Key::Reciprocal},
        {QStringLiteral("x^2"), Key::Square}, {QStringLiteral("x^3"), Key::Cube},
        {QStringLiteral("n!"), Key::Factorial}, {QStringLiteral("sin"), Key::Sin},
        {QStringLiteral("cos"), Key::Cos}, {QStringLiteral("tan"), Key::Tan},
        {QStringLiteral("sinh"), Key::Sinh}, {QStringLiteral("cosh"), Key::Cosh},
        {QStringLiteral("tanh"), Key::Tanh}, {QStringLiteral("ln"), Key::Ln},
        {QStringLiteral("log"), Key::Log}, {QStringLiteral("PI"), Key::Pi},
        {QStringLiteral("E"), Key::E}, {QStringLiteral("="), Key::Equals},
        {QStringLiteral("BS"), Key::Backspace}, {QStringLiteral("CE"), Key::ClearEntry},
        {QStringLiteral("C"), Key::Clear},
    };
    const QStringList words = QString::fromStdString(sequence).split(u' ', Qt::SkipEmptyParts);
    for (const QString& w : words) {
        if (w.size() == 1 && w.at(0).isDigit())
            calc.pressDigit(w.at(0).digitValue());
        else if (w == u".")
            calc.pressPoint();
        else if (w == u"Inv")
            calc.setInv(true);
        else if (w == u"Angle")
            calc.setAngleMode(KeypadCalculator::Angle);
        else if (w == u"Radian")
            calc.setAngleMode(KeypadCalculator::Radian);
        else {
            const auto it = keys.find(w);
            ASSERT_NE(it, keys.end()) << w.toStdString();
            calc.press(it->second);
        }
    }
}

struct KeyCase
{
    std::string keys;
    std::string shown;
};

class KeySequences : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(KeySequences, ShowTheDisplay)
{
    KeypadCalculator calc;
    pressAll(calc, GetParam().keys);
    EXPECT_EQ(calc.fields().display.toStdString(), GetParam().shown) << GetParam().keys;
}

std::string shown(double v) { return NumberText::format(v).toStdString(); }

const KeyCase kKeyCases[] = {
    {"2 + 3 =", "5"},
    {"2 + 3 = =", "5"},
    {"2 + 3 * 4 =", "20"},
    {"2 * 3 - 1 / 5 =", "1"},
    {"1 . 5 + . 2 5 =", "1.75"},
    {"1 / 3 =", "0.333333333333333"},
    {"9 BS", "0"},
    {"1 2 3 BS", "12"},
    {"1 2 3 BS 4", "4"},
    {"1 2 3 BS BS", "1"},
    {"1 . 2 5 BS", "1.2"},
    // beyond the 32-bit range the tenth is still truncated, not wrapped
    {"1 2 3 4 5 6 7 8 9 0 1 2 BS", "12345678901"},
    {"1 2 3 4 5 6 7 8 9 0 1 2 +/- BS", "-12345678901"},
    {"3 0 sin", "0.5"},
    {"Radian 3 0 sin", shown(std::sin(30.0))},
    {"Inv 0 . 5 sin", shown(std::asin(0.5 * 0.017453292519943295756))},
    {"Radian Inv 0 . 5 sin", shown(std::asin(0.5))},
    {"6 0 cos", "0.5"},
    {"4 5 tan", "1"},
    {"Radian 1 sinh", shown(std::sinh(1.0))},
    {"5 n!", "120"},
    {"4 . 9 9 9 5 n!", "120"},
    {"1 n!", "1"},
    {"0 n!", "1"},
    {"1 7 0 n!", "7.25741561530799e+306"},
    {"1 7 1 n!", "inf"},
    {"2 + 3 C", "0"},
    {"2 + 3 C 4 + 1 =", "5"},
    {"5 + 3 CE", "5"},
    {"5 + 3 CE + 1 =", "6"},
    {"7 CE", "0"},
    {"2 x^y 1 0 =", "1024"},
    {"Inv 8 x^y 3 =", "2"},
    {"2 x^2", "4"},
    {"Inv 9 x^2", "3"},
    {"2 x^3", "8"},
    {"Inv 2 7 x^3", "3"},
    {"5 0 %", "0.5"},
    {"4 1/x", "0.25"},
    {"5 +/-", "-5"},
    {"PI", "3.14159265358979"},
    {"E", "2.71828182845905"},
    {"1 0 0 log", "2"},
    {"Inv 2 log", "100"},
    {"1 ln", "0"},
    {"Inv 1 ln", "2.71828182845905"},
    {"1 / 0 =", "inf"},
    {"0 ln", "-inf"},
    // pow's not-a-number, with the sign the processor gives it ("-nan" on x86)
    {"2 +/- x^y . 5 =", shown(std::pow(-2.0, 0.5))},
    // the entry keeps adding decimals far past the tenth place
    {"0 . 1 2 3 4 5 6 7 8 9 0 1 2", "0.123456789012"},
    // a digit after a result starts a new number
    {"2 + 3 = 7", "7"},
    {"2 + 3 = 7 + 1 =", "8"},
};

INSTANTIATE_TEST_SUITE_P(Keypad, KeySequences, ::testing::ValuesIn(kKeyCases));

TEST(KeypadCalculator, StatesFollowTheFlags)
{
    KeypadCalculator calc;
    EXPECT_EQ(calc.state(), 0);
    pressAll(calc, "5 +");
    EXPECT_EQ(calc.state(), 2);
    pressAll(calc, "3");
    EXPECT_EQ(calc.state(), 2);
    pressAll(calc, "CE");
    EXPECT_EQ(calc.state(), 1);
    EXPECT_EQ(calc.x(), 5.0);
    pressAll(calc, "* 2 =");
    EXPECT_EQ(calc.state(), 1);
    EXPECT_EQ(calc.display(), 10.0);
    pressAll(calc, "C");
    EXPECT_EQ(calc.state(), 0);
    EXPECT_EQ(calc.x(), 0.0);
}

TEST(KeypadCalculator, InvIsClearedOnlyByTheKeysThatUseIt)
{
    const std::pair<std::string, bool> cases[] = {
        {"Inv 4 x^2", false}, {"Inv 4 sin", false}, {"Inv 4 ln", false}, {"Inv 4 log", false},
        {"Inv 4 +/-", true},  {"Inv 4 %", true},    {"Inv 4 n!", true},  {"Inv 4 sinh", true},
        {"Inv 4 PI", true},   {"Inv 2 x^y 4 =", false}, {"Inv 2 + 4 =", true},
    };
    for (const auto& [keys, invAfter] : cases) {
        KeypadCalculator calc;
        pressAll(calc, keys);
        EXPECT_EQ(calc.inv(), invAfter) << keys;
    }
}

TEST(KeypadCalculator, FactorialOfAHugeValueStopsAtInfinity)
{
    KeypadCalculator calc;
    KeypadCalculator::Fields f = calc.fields();
    f.display = QStringLiteral("1e300");
    ASSERT_TRUE(calc.readFields(f));
    calc.press(Key::Factorial);
    EXPECT_TRUE(std::isinf(calc.display()));
}

TEST(KeypadCalculator, TheFormulaLineEvaluatesInRadiansWhateverTheAngleMode)
{
    KeypadCalculator calc;
    EXPECT_EQ(calc.formula(), QStringLiteral("exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))"));
    EXPECT_EQ(calc.fields().a1, QStringLiteral("30"));
    EXPECT_EQ(calc.fields().a2, QStringLiteral("45"));
    EXPECT_EQ(calc.fields().display, QStringLiteral("0"));
    EXPECT_EQ(calc.angleMode(), KeypadCalculator::Angle);
    calc.calculate();
    EXPECT_EQ(calc.fields().display, QStringLiteral("0.678560500673256"));

    KeypadCalculator::Fields f = calc.fields();
    f.formula = QStringLiteral("a1*a2 +");
    ASSERT_TRUE(calc.readFields(f));
    calc.calculate();
    EXPECT_EQ(calc.fields().display, QStringLiteral("0"));

    calc.formulaClicked();
    EXPECT_EQ(calc.angleMode(), KeypadCalculator::Radian);
}

TEST(KeypadCalculator, ReadingStopsAtTheFirstFieldThatIsNotANumber)
{
    KeypadCalculator calc;
    KeypadCalculator::Fields f = calc.fields();
    f.display = QStringLiteral("7");
    f.a1 = QStringLiteral("twelve");
    f.a2 = QStringLiteral("2");
    f.formula = QStringLiteral("a2");
    f.angleMode = KeypadCalculator::Radian;
    f.inv = true;
    EXPECT_FALSE(calc.readFields(f));
    EXPECT_EQ(calc.display(), 7.0);
    EXPECT_EQ(calc.a1(), 30.0);
    EXPECT_EQ(calc.a2(), 45.0);
    EXPECT_EQ(calc.formula(), KeypadCalculator::defaultFormula());
    EXPECT_EQ(calc.angleMode(), KeypadCalculator::Angle);
    EXPECT_FALSE(calc.inv());

    // What the display shows after an overflow reads back as itself.
    f = calc.fields();
    f.display = QStringLiteral("-inf");
    EXPECT_TRUE(calc.readFields(f));
    EXPECT_TRUE(std::isinf(calc.display()));
}

} // namespace
