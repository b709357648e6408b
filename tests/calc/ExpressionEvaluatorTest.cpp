#include "calc/ExpressionEvaluator.h"
#include "calc/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Case
{
    const char* formula;
    bool fails;
    std::string shown; // the result as the display shows it (15 digits)
};

QString shown(double v) { return NumberText::format(v); }

ExpressionEvaluator::Outcome run(const QString& formula)
{
    return ExpressionEvaluator::evaluate(formula, {{30.0, QStringLiteral("a1")}, {45.0, QStringLiteral("a2")}});
}

class EvaluatorCases : public ::testing::TestWithParam<Case>
{
};

TEST_P(EvaluatorCases, GivesTheResultOrFailsWithZero)
{
    const Case& c = GetParam();
    const auto outcome = run(QString::fromUtf8(c.formula));
    EXPECT_EQ(outcome.failed, c.fails) << c.formula;
    if (c.fails)
        EXPECT_EQ(outcome.result, 0.0) << c.formula;
    else
        EXPECT_EQ(shown(outcome.result), QString::fromStdString(c.shown)) << c.formula;
}

const Case kCases[] = {
    // arithmetic and precedence
    {"1+2*3", false, "7"},
    {"(1+2)*3", false, "9"},
    {"10/3", false, "3.33333333333333"},
    {"10-4-3", false, "3"},
    {"24/4/3", false, "2"},
    // variables and case
    {"sin(a1)", false, "-0.988031624092862"},
    {"Abs(-3)", false, "3"},
    {"ABS(-3)", false, "3"},
    {"abs(-3)", false, "3"},
    {"A1+a2", false, "75"},
    {"exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))", false, "0.678560500673256"},
    {"ABS2", true, ""}, // a name of its own, not ABS followed by 2
    {"b", true, ""},
    // functions and their guards
    {"ROUND(2.5)", false, "2"},
    {"ROUND(-2.5)", false, "-3"},
    {"ROUND(3)", false, "3"},
    {"ROUND(2.51)", false, "3"},
    {"ROUND(1e9)", false, "1000000000"},
    {"ROUND(1.5e9)", true, ""},
    {"TRUNC(1e10)", true, ""},
    {"TRUNC(-2.7)", false, "-2"},
    {"TRUNC(2.7)", false, "2"},
    {"SGN(-5)", false, "0"},
    {"SGN(0)", false, "0"},
    {"SGN(0.1)", false, "1"},
    {"NOT(0.0005)", false, "1"},
    {"BOOL(0.0005)", false, "0"},
    {"NOT(-0.001)", false, "0"},
    {"BOOL(-2)", false, "1"},
    {"ATAN(1)*4", false, "3.14159265358979"},
    {"COS(0)", false, "1"},
    {"SIN(9e18)", false, shown(std::sin(9e18)).toStdString()},
    {"SIN(1e19)", true, ""},
    {"COS(-1e19)", true, ""},
    {"EXP(1)", false, "2.71828182845905"},
    {"EXP(11357)", true, ""},
    {"EXP(-11357)", true, ""},
    {"EXP(11356)", false, "inf"}, // beyond a double: an infinity, no failure
    {"LN(0)", true, ""},
    {"LN(-1)", true, ""},
    {"LN(EXP(2))", false, "2"},
    {"SQRT(-1)", true, ""},
    {"SQRT(16)", false, "4"},
    {"SQR(16)", false, "4"},  // the square root, not the square
    {"SQR(-4)", true, ""},    // no real root: fails like SQRT
    {"SQR(1e247)", true, ""},
    {"SQRT(1e247)", false, shown(std::sqrt(1e247)).toStdString()},
    // operator guards
    {"0^2", true, ""},
    {"(-8)^2", true, ""},
    {"0^0", true, ""},
    {"2^0.5", false, "1.4142135623731"},
    {"10^4000", false, "inf"}, // within the guard: an infinity
    {"10^4932", true, ""},
    {"10^308*10", false, "inf"},
    {"1/0", true, ""},
    {"1/0.0000001", true, ""},
    {"1/0.000001", false, "1000000"},
    {"1/-0.0000001", true, ""},
    // MOD
    {"2*7 MOD 3", true, ""},
    {"7 MOD 3*2", false, "2"},
    {"2+7 MOD 3", false, "3"},
    {"7 MOD 3 MOD 2", false, "1"},
    {"-7 MOD 3", false, "-1"},
    {"7 MOD -3", false, "1"},
    {"7.6 MOD 2.5", false, "0"},  // 8 MOD 2
    {"7 mod 0", true, ""},
    {"7 MOD 0.0000001", true, ""},
    {"5 MOD 0.3", true, ""},      // passes the 1e-6 test but rounds to 0
    {"5 MOD 1e10", true, ""},     // outside the 32-bit range
    {"1e10 MOD 7", true, ""},
    {"-2147483648 MOD -1", false, "0"},
    // the grammar's consequences
    {"2^3^2", false, "512"},
    {"-2^2", true, ""},
    {"2^-1", false, "0.5"},
    {"2*-3", false, "-6"},
    {"-(2+3)", true, ""},
    {"--2", true, ""},
    {"2--3", false, "5"},
    {"-a1", false, "-30"},
    {"-abs(-3)", false, "-3"},
    {"SIN 1", true, ""},
    {"SIN", true, ""},
    // numbers
    {"1.5E3", false, "1500"},
    {"1.5e-3", false, "0.0015"},
    {"1E+2", false, "100"},
    {"1E", false, "1"},
    {"1E+", false, "1"},
    {"1E1234", false, "inf"},
    {"1E12345", true, ""},
    {"1.2.3", true, ""},
    {"1.", false, "1"},
    {"1+.25", false, "1.25"},
    {".5", false, "0.5"},     // a leading point reads as 0. everywhere
    {".7+1", false, "1.7"},
    {" .", false, "0"},
    {"2 3", true, ""},
    {"2a1", true, ""},
    {"1\t+2", true, ""},
    {"1!", true, ""},
    {"", true, ""},
    {"   ", true, ""},
    {"  1 +  2  ", false, "3"},
    // structure
    {"(1+2", true, ""},
    {"1+2)", true, ""},
    {"()", true, ""},
    {"1+", true, ""},
    {"*1", true, ""},
    {"ABS(1)(2)", true, ""},
    {"ABS(ABS(-2)*3)", false, "6"},
};

INSTANTIATE_TEST_SUITE_P(Formulas, EvaluatorCases, ::testing::ValuesIn(kCases));

TEST(ExpressionEvaluator, KeywordsComeBeforeVariablesAndTheFirstBindingWins)
{
    const auto shadow = ExpressionEvaluator::evaluate(QStringLiteral("SIN+MOD"),
                                                      {{5.0, QStringLiteral("sin")}, {2.0, QStringLiteral("mod")}});
    EXPECT_TRUE(shadow.failed);

    const auto first = ExpressionEvaluator::evaluate(QStringLiteral("x"), {{1.0, QStringLiteral("x")}, {2.0, QStringLiteral("X")}});
    EXPECT_FALSE(first.failed);
    EXPECT_EQ(first.result, 1.0);

    const auto underscore = ExpressionEvaluator::evaluate(QStringLiteral("my_var2*2"), {{4.0, QStringLiteral("My_Var2")}});
    EXPECT_FALSE(underscore.failed);
    EXPECT_EQ(underscore.result, 8.0);
}

TEST(ExpressionEvaluator, TheStackHoldsOneHundredEntries)
{
    // The start entry, one entry per "(", the number and the first ")":
    // 97 parentheses fill the stack exactly, 98 overflow it.
    const auto nested = [](int depth) {
        return QString(depth, u'(') + QStringLiteral("1") + QString(depth, u')');
    };
    ExpressionEvaluator fits(nested(97));
    fits.evaluate();
    EXPECT_FALSE(fits.failed());
    EXPECT_EQ(fits.result(), 1.0);

    ExpressionEvaluator overflows(nested(98));
    overflows.evaluate();
    EXPECT_TRUE(overflows.failed());
    EXPECT_TRUE(overflows.syntaxError());
    EXPECT_EQ(overflows.result(), 0.0);

    // Right-associated powers keep every operand on the stack as well.
    QString powers;
    for (int i = 0; i < 60; ++i)
        powers += QStringLiteral("1^");
    powers += u'1';
    EXPECT_TRUE(ExpressionEvaluator::evaluate(powers, {}).failed);
}

TEST(ExpressionEvaluator, ALongFlatFormulaIsScannedOnceToItsEnd)
{
    // Longer than a 16-bit position could address.
    QString formula;
    for (int i = 0; i < 40000; ++i)
        formula += QStringLiteral("1+");
    formula += u'1';
    const auto outcome = ExpressionEvaluator::evaluate(formula, {});
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.result, 40001.0);
}

// Each failing formula fails for its own reason: a formula that does not
// parse is a syntax error, a failed guard is a domain error.
TEST(ExpressionEvaluator, FailuresAreOfTheirKind)
{
    const struct {
        const char* formula;
        bool syntax;
    } failures[] = {
        {"2*7 MOD 3", true},
        {"1E12345", true}, // the fifth exponent digit starts a second number
        {"1.2.3", true},   // the second point starts a second number
        {"2 3", true},
        {"2a1", true},
        {"1\t+2", true},
        {"", true},
        {"   ", true},
        {"-(2+3)", true},
        {"--2", true},
        {"SIN 1", true},
        {"b", true},
        {"(1+2", true},
        {"-2^2", false}, // (-2)^2: a negative base
        {"(-8)^2", false},
        {"0^2", false},
        {"LN(0)", false},
        {"SQRT(-1)", false},
        {"1/0", false},
        {"TRUNC(1e10)", false},
        {"7 MOD 0.0000001", false},
    };
    for (const auto& f : failures) {
        ExpressionEvaluator e(QString::fromUtf8(f.formula));
        e.bindVariable(QStringLiteral("a1"), 30.0);
        e.bindVariable(QStringLiteral("a2"), 45.0);
        e.evaluate();
        EXPECT_TRUE(e.failed()) << f.formula;
        EXPECT_EQ(e.result(), 0.0) << f.formula;
        EXPECT_EQ(e.syntaxError(), f.syntax) << f.formula;
        EXPECT_EQ(e.domainError(), !f.syntax) << f.formula;
    }
}

TEST(ExpressionEvaluator, DomainErrorsAndSyntaxErrorsAreTold)
{
    ExpressionEvaluator domain(QStringLiteral("LN(0)+1"));
    domain.evaluate();
    EXPECT_TRUE(domain.domainError());
    EXPECT_FALSE(domain.syntaxError());

    ExpressionEvaluator syntax(QStringLiteral("1+*2"));
    syntax.evaluate();
    EXPECT_TRUE(syntax.syntaxError());
    EXPECT_FALSE(syntax.domainError());
}

} // namespace
