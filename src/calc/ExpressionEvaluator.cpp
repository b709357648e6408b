#include "calc/ExpressionEvaluator.h"

#include "calc/NumberText.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

// The function names the scanner knows, upper case.
const char16_t* const kFunctionNames[] = {
    u"ABS", u"ATAN", u"COS", u"EXP", u"LN", u"ROUND", u"SIN",
    u"SQRT", u"SQR", u"TRUNC", u"NOT", u"BOOL", u"SGN",
};

bool isOperandState(int state)
{
    switch (state) {
    case 0: case 9: case 12: case 13: case 14: case 15: case 16: case 20: case 40:
        return true;
    default:
        return false;
    }
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isLetter(QChar c) { return c >= u'A' && c <= u'Z'; }

// The nearest integer, a tie going to the lower of the two.
double roundTieDown(double x) { return std::ceil(x - 0.5); }

} // namespace

ExpressionEvaluator::ExpressionEvaluator(const QString& text)
    : m_text(text)
{
}

void ExpressionEvaluator::bindVariable(const QString& name, double value)
{
    m_variables.append(EvalVariable{value, name});
}

ExpressionEvaluator::Outcome ExpressionEvaluator::evaluate(const QString& text,
                                                           const QList<EvalVariable>& variables)
{
    ExpressionEvaluator evaluator(text);
    for (const EvalVariable& v : variables)
        evaluator.bindVariable(v.name, v.value);
    evaluator.evaluate();
    return {evaluator.failed(), evaluator.result()};
}

void ExpressionEvaluator::scan()
{
    while (m_position < m_text.size() && m_text.at(m_position) == u' ')
        ++m_position;
    if (m_position >= m_text.size()) {
        m_lookahead = Token::End;
        m_tokenLength = 0;
        return;
    }
    // Upper-casing one code unit at a time keeps every position valid
    // (a full case mapping could make the text longer). Doing it again before
    // each later token would change nothing, so it is done once.
    if (!m_upperCased) {
        for (QChar& c : m_text)
            c = c.toUpper();
        m_upperCased = true;
    }

    const QChar c = m_text.at(m_position);
    m_tokenLength = 1;
    switch (c.unicode()) {
    case u'(': m_lookahead = Token::Open; ++m_position; return;
    case u')': m_lookahead = Token::Close; ++m_position; return;
    case u'*': m_lookahead = Token::Times; ++m_position; return;
    case u'+': m_lookahead = Token::Plus; ++m_position; return;
    case u'-': m_lookahead = Token::Minus; ++m_position; return;
    case u'/': m_lookahead = Token::Divide; ++m_position; return;
    case u'^': m_lookahead = Token::Caret; ++m_position; return;
    default:
        break;
    }
    if (isDigit(c) || c == u'.') {
        scanNumber();
    } else if (isLetter(c)) {
        scanName();
    } else {
        m_lookahead = Token::Invalid;
        m_tokenLength = 0;
    }
}

void ExpressionEvaluator::scanNumber()
{
    const qsizetype start = m_position;
    qsizetype p = m_position;
    bool point = false;
    while (p < m_text.size()) {
        const QChar c = m_text.at(p);
        if (isDigit(c)) {
            ++p;
        } else if (c == u'.' && !point) {
            point = true;
            ++p;
        } else {
            break;
        }
    }
    if (p < m_text.size() && m_text.at(p) == u'E') {
        ++p;
        if (p < m_text.size() && (m_text.at(p) == u'+' || m_text.at(p) == u'-'))
            ++p;
        for (int digits = 0; digits < 4 && p < m_text.size() && isDigit(m_text.at(p)); ++digits)
            ++p;
    }
    // The collected characters are ASCII; a literal that begins with "."
    // reads as if a 0 stood before it, wherever it stands (a lone "." is 0).
    std::string literal;
    literal.reserve(std::size_t(p - start) + 1);
    if (m_text.at(start) == u'.')
        literal.push_back('0');
    for (qsizetype i = start; i < p; ++i)
        literal.push_back(char(m_text.at(i).unicode()));
    m_current.value = NumberText::decimalPrefixValue(literal);
    m_lookahead = Token::Number;
    m_tokenLength = p - start;
    m_position = p;
}

void ExpressionEvaluator::scanName()
{
    const qsizetype start = m_position;
    qsizetype p = m_position;
    while (p < m_text.size()) {
        const QChar c = m_text.at(p);
        if (isLetter(c) || isDigit(c) || c == u'_')
            ++p;
        else
            break;
    }
    const QStringView run = QStringView(m_text).mid(start, p - start);

    m_tokenLength = p - start;
    m_position = p;
    for (const char16_t* name : kFunctionNames) {
        if (run == QStringView(name)) {
            m_lookahead = Token::Function;
            m_current.name = run.toString();
            return;
        }
    }
    if (run == u"MOD") {
        m_lookahead = Token::Mod;
        return;
    }
    for (const EvalVariable& v : std::as_const(m_variables)) {
        if (run.compare(v.name, Qt::CaseInsensitive) == 0) {
            m_lookahead = Token::Number;
            m_current.value = v.value;
            return;
        }
    }
    // An unknown name: the position stays where the name began.
    m_position = start;
    m_tokenLength = 0;
    m_lookahead = Token::Invalid;
}

void ExpressionEvaluator::push(const Symbol& symbol)
{
    if (m_top + 1 >= StackSize) {
        m_syntaxError = 1;
        return;
    }
    m_stack[std::size_t(++m_top)] = symbol;
}

void ExpressionEvaluator::shift(std::uint16_t state)
{
    m_current.state = state;
    push(m_current);
    if (!m_syntaxError)
        scan();
}

int ExpressionEvaluator::gotoState(int rule, int below)
{
    switch (rule) {
    case 1: case 2: case 3:
        switch (below) {
        case 0: return 1;
        case 9: return 19;
        case 20: return 28;
        default: return -1;
        }
    case 4: case 5: case 6:
        switch (below) {
        case 0: case 9: case 20: return 2;
        case 12: return 21;
        case 13: return 22;
        default: return -1;
        }
    case 7: case 8: case 100:
        switch (below) {
        case 0: case 9: case 12: case 13: case 20: return 3;
        case 14: return 23;
        case 15: return 24;
        case 16: return 25;
        case 40: return 80;
        default: return -1;
        }
    case 9: case 10:
        return isOperandState(below) ? 4 : -1;
    case 12:
        if (isOperandState(below))
            return 6;
        return below == 5 ? 17 : -1;
    case 14: case 15: case 16:
        return (isOperandState(below) || below == 5) ? 8 : -1;
    default:
        return -1;
    }
}

double ExpressionEvaluator::power(double a, double b)
{
    if (a < 0) {
        m_domainError = 1;
        return 0.0;
    }
    const long double exponent = static_cast<long double>(b) * std::log(static_cast<long double>(a));
    // Written so that a not-a-number exponent (0 ^ 0, a NaN operand) fails too.
    if (!(exponent >= -11356.0L && exponent <= 11356.0L)) {
        m_domainError = 1;
        return 0.0;
    }
    return static_cast<double>(std::exp(exponent));
}

double ExpressionEvaluator::modulo(double a, double b)
{
    if (!(std::fabs(b) >= 1e-6)) {
        m_domainError = 1;
        return 0.0;
    }
    const double ra = roundTieDown(a);
    const double rb = roundTieDown(b);
    constexpr double lo = double(std::numeric_limits<std::int32_t>::min());
    constexpr double hi = double(std::numeric_limits<std::int32_t>::max());
    // An operand outside the 32-bit range, or a divisor that rounds to 0,
    // has no integer remainder: the evaluation fails.
    if (!(ra >= lo && ra <= hi && rb >= lo && rb <= hi) || rb == 0.0) {
        m_domainError = 1;
        return 0.0;
    }
    const std::int64_t ia = std::int64_t(ra);
    const std::int64_t ib = std::int64_t(rb);
    return double(ia % ib);
}

double ExpressionEvaluator::applyFunction(const QString& name, double x)
{
    auto fail = [this] {
        m_domainError = 1;
        return 0.0;
    };
    if (name == u"ABS")
        return std::fabs(x);
    if (name == u"ATAN")
        return std::atan(x);
    if (name == u"COS" || name == u"SIN") {
        if (x < -9e18 || x > 9e18)
            return fail();
        return name == u"COS" ? std::cos(x) : std::sin(x);
    }
    if (name == u"EXP") {
        if (x < -11356.0 || x > 11356.0)
            return fail();
        return std::exp(x);
    }
    if (name == u"LN") {
        if (!(x > 0))
            return fail();
        return std::log(x);
    }
    if (name == u"SQRT") {
        if (x < 0)
            return fail();
        return std::sqrt(x);
    }
    if (name == u"SQR") {
        // Within its range guard a negative argument has no real square
        // root: it fails like SQRT.
        if (x < -1e246 || x > 1e246 || x < 0)
            return fail();
        return std::sqrt(x);
    }
    if (name == u"ROUND" || name == u"TRUNC") {
        // Also refuses a not-a-number, which has no integer to convert to.
        if (!(x >= -1e9 && x <= 1e9))
            return fail();
        if (name == u"ROUND")
            return roundTieDown(x);
        return double(std::int32_t(x));
    }
    if (name == u"NOT")
        return (x > -0.001 && x < 0.001) ? 1.0 : 0.0;
    if (name == u"BOOL")
        return (x > -0.001 && x < 0.001) ? 0.0 : 1.0;
    if (name == u"SGN")
        return x > 0 ? 1.0 : 0.0;
    return fail();
}

void ExpressionEvaluator::reduce(int rule)
{
    int count = 1;
    switch (rule) {
    case 1: case 2: case 4: case 5: case 7: case 100: case 14:
        count = 3;
        break;
    case 9:
        count = 2;
        break;
    case 16:
        count = 4;
        break;
    default:
        count = 1;
        break;
    }
    if (m_top + 1 - count < 1) { // never pops the start entry
        m_syntaxError = 1;
        return;
    }
    const Symbol* e = &m_stack[std::size_t(m_top + 1 - count)];
    double value = 0.0;
    switch (rule) {
    case 1: value = e[0].value + e[2].value; break;
    case 2: value = e[0].value - e[2].value; break;
    case 4: value = e[0].value * e[2].value; break;
    case 5:
        if (std::fabs(e[2].value) < 1e-6)
            m_domainError = 1;
        else
            value = e[0].value / e[2].value;
        break;
    case 7: value = power(e[0].value, e[2].value); break;
    case 100: value = modulo(e[0].value, e[2].value); break;
    case 9: value = -e[1].value; break;
    case 14: value = e[1].value; break;
    case 16: value = applyFunction(e[0].name, e[2].value); break;
    default: value = e[0].value; break;
    }
    m_top -= count;
    const int next = gotoState(rule, m_stack[std::size_t(m_top)].state);
    if (next < 0) {
        m_syntaxError = 1;
        return;
    }
    Symbol reduced;
    reduced.state = std::uint16_t(next);
    reduced.value = value;
    push(reduced);
}

void ExpressionEvaluator::evaluate()
{
    m_top = -1;
    m_position = 0;
    m_syntaxError = 0;
    m_domainError = 0;
    m_failed = 0;
    m_result = 0.0;
    m_current = Symbol{};

    push(m_current); // the start entry, state 0
    scan();

    bool accepted = false;
    while (!accepted && !m_syntaxError && !m_domainError) {
        const int state = m_stack[std::size_t(m_top)].state;
        const Token t = m_lookahead;
        if (isOperandState(state)) {
            switch (t) {
            case Token::Number: shift(10); break;
            case Token::Function: shift(11); break;
            case Token::Minus: shift(5); break;
            case Token::Open: shift(9); break;
            default: m_syntaxError = 1; break;
            }
            continue;
        }
        switch (state) {
        case 1:
            if (t == Token::End)
                accepted = true;
            else if (t == Token::Plus)
                shift(12);
            else if (t == Token::Minus)
                shift(13);
            else
                m_syntaxError = 1;
            break;
        case 2:
        case 21:
        case 22:
            if (t == Token::Times)
                shift(14);
            else if (t == Token::Divide)
                shift(15);
            else
                reduce(state == 2 ? 3 : state == 21 ? 1 : 2);
            break;
        case 3:
            if (t == Token::Mod)
                shift(40);
            else
                reduce(6);
            break;
        case 4:
            if (t == Token::Caret)
                shift(16);
            else
                reduce(8);
            break;
        case 5:
            if (t == Token::Number)
                shift(10);
            else if (t == Token::Function)
                shift(11);
            else
                m_syntaxError = 1;
            break;
        case 6: reduce(10); break;
        case 8: reduce(12); break;
        case 10: reduce(15); break;
        case 11:
            if (t == Token::Open)
                shift(20);
            else
                m_syntaxError = 1;
            break;
        case 17: reduce(9); break;
        case 19:
        case 28:
            if (t == Token::Plus)
                shift(12);
            else if (t == Token::Minus)
                shift(13);
            else if (t == Token::Close)
                shift(state == 19 ? 27 : 29);
            else
                m_syntaxError = 1;
            break;
        case 23: reduce(4); break;
        case 24: reduce(5); break;
        case 25: reduce(7); break;
        case 27: reduce(14); break;
        case 29: reduce(16); break;
        case 80: reduce(100); break;
        default: m_syntaxError = 1; break;
        }
    }

    if (accepted && !m_syntaxError && !m_domainError) {
        m_result = m_stack[std::size_t(m_top)].value;
    } else {
        m_failed = 1;
        m_result = 0.0;
    }
}
