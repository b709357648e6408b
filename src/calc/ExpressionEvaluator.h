#pragma once

#include <QList>
#include <QString>

#include <array>
#include <cstdint>

// A variable the caller binds before evaluating: its value and its name.
struct EvalVariable
{
    double value = 0.0;
    QString name;
};

// Evaluates one formula of the calculator's formula line.
//
// The scanner turns the text into tokens one at a time; a table-driven
// shift-reduce parser computes the value while it reduces, without building a
// tree. A formula that cannot be evaluated (syntax error, stack overflow, a
// failed guard of an operator or function) ends with failed() true and
// result() 0.
//
// One object per evaluation: construct on the text, bind the variables,
// evaluate once, take the result.
class ExpressionEvaluator
{
public:
    enum class Token {
        Plus,
        Minus,
        Times,
        Divide,
        Caret,
        Open,
        Close,
        Number,
        Function,
        Mod,
        End,
        Invalid,
    };

    static constexpr int StackSize = 100;

    explicit ExpressionEvaluator(const QString& text);

    // Appends a variable to the end of the variable list.
    void bindVariable(const QString& name, double value);

    // Parses and computes; afterwards failed() and result() hold the outcome.
    void evaluate();

    bool failed() const { return m_failed != 0; }
    double result() const { return m_result; }

    bool syntaxError() const { return m_syntaxError != 0; }
    bool domainError() const { return m_domainError != 0; }

    // Convenience for callers and tests: one evaluation with a1 and a2 bound.
    struct Outcome
    {
        bool failed;
        double result;
    };
    static Outcome evaluate(const QString& text, const QList<EvalVariable>& variables);

private:
    struct Symbol
    {
        std::uint16_t state = 0;
        double value = 0.0;
        QString name;
    };

    void scan();
    void scanNumber();
    void scanName();
    void shift(std::uint16_t state);
    void push(const Symbol& symbol);
    void reduce(int rule);
    double applyFunction(const QString& name, double x);
    double power(double a, double b);
    double modulo(double a, double b);
    int gotoState(int rule, int below);

    QString m_text;
    bool m_upperCased = false;
    // Full-width on purpose: a 16-bit position would wrap on very long
    // formulas and scan the text again from its start.
    qsizetype m_position = 0;
    qsizetype m_tokenLength = 0;
    Token m_lookahead = Token::End;
    Symbol m_current;
    std::array<Symbol, StackSize> m_stack;
    int m_top = -1;
    int m_syntaxError = 0;
    int m_domainError = 0;
    QList<EvalVariable> m_variables;
    int m_failed = 0;
    double m_result = 0.0;
};
