#include "calc/KeypadCalculator.h"

#include "calc/ExpressionEvaluator.h"
#include "calc/NumberText.h"

#include <cmath>

namespace {
constexpr double kDegreesToRadians = 0.017453292519943295756;
constexpr double kPi = 3.141592653589793;
constexpr double kE = 2.718281828459045;
} // namespace

const QString& KeypadCalculator::defaultFormula()
{
    static const QString formula = QStringLiteral("exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))");
    return formula;
}

bool KeypadCalculator::isBinary(Key key)
{
    return key == Key::Divide || key == Key::Multiply || key == Key::Subtract || key == Key::Add
        || key == Key::Power;
}

bool KeypadCalculator::isUnary(Key key)
{
    return key >= Key::Negate && key <= Key::E;
}

void KeypadCalculator::setFlags(int a, int b, int c)
{
    m_a = a;
    m_b = b;
    m_c = c;
    recomputeState();
}

void KeypadCalculator::recomputeState()
{
    if (m_a == 0 && m_b == 0 && m_c == 0)
        m_state = 0;
    else if (m_a == 1 && m_b == 0 && m_c == 0)
        m_state = 1;
    else if (m_a == 1 && m_b == 0 && m_c == 1)
        m_state = 2;
    else if (m_a == 1 && m_b == 1 && m_c == 1)
        m_state = 3;
}

void KeypadCalculator::clear()
{
    m_x = 0.0;
    m_y = 0.0;
    m_display = 0.0;
    m_point = false;
    m_a = m_b = m_c = 0;
    m_state = 0;
    m_divisor = 0.0;
}

void KeypadCalculator::pressDigit(int digit)
{
    const double d = double(digit);
    if (m_state == 1 || m_state == 3) {
        m_entry = m_entry * 10.0 + d;
        m_state = 0;
    } else if (m_point) {
        m_divisor *= 10.0;
        m_lastFraction = d / m_divisor;
        m_entry += m_lastFraction;
    } else {
        m_entry = m_entry * 10.0 + d;
    }
    m_display = m_entry;
    m_lastDigitDecimal = m_point;
}

void KeypadCalculator::pressPoint()
{
    m_point = true;
    m_divisor = 1.0;
}

double KeypadCalculator::applyPending(double y)
{
    switch (m_pending) {
    case Key::Add: return m_x + y;
    case Key::Subtract: return m_x - y;
    case Key::Multiply: return m_x * y;
    case Key::Divide: return m_x / y;
    case Key::Power:
        if (m_inv) {
            m_inv = false;
            return std::pow(m_x, 1.0 / y);
        }
        return std::pow(m_x, y);
    default:
        // "=" or a unary key was the last one taken: nothing is pending,
        // the accumulator stays.
        return m_x;
    }
}

double KeypadCalculator::applyUnary(Key key, double x)
{
    const bool inv = m_inv;
    switch (key) {
    case Key::Sin: case Key::Cos: case Key::Tan:
    case Key::Sinh: case Key::Cosh: case Key::Tanh:
        if (m_angleMode == Angle)
            x *= kDegreesToRadians;
        break;
    default:
        break;
    }
    switch (key) {
    case Key::Negate: return -x;
    case Key::Percent: return x * 0.01;
    case Key::Reciprocal: return 1.0 / x;
    case Key::Square:
        m_inv = false;
        return inv ? std::sqrt(x) : std::pow(x, 2.0);
    case Key::Cube:
        m_inv = false;
        return inv ? std::pow(x, 0.3333333333333333) : std::pow(x, 3.0);
    case Key::Factorial: {
        // Stops once the product is infinite instead of multiplying on up to
        // the value.
        double product = 1.0;
        for (double k = 2.0; k <= x + 0.001 && !std::isinf(product); k += 1.0)
            product *= k;
        return product;
    }
    case Key::Sin:
        m_inv = false;
        return inv ? std::asin(x) : std::sin(x);
    case Key::Cos:
        m_inv = false;
        return inv ? std::acos(x) : std::cos(x);
    case Key::Tan:
        m_inv = false;
        return inv ? std::atan(x) : std::tan(x);
    case Key::Sinh: return std::sinh(x);
    case Key::Cosh: return std::cosh(x);
    case Key::Tanh: return std::tanh(x);
    case Key::Ln:
        m_inv = false;
        return inv ? std::pow(kE, x) : std::log(x);
    case Key::Log:
        m_inv = false;
        return inv ? std::pow(10.0, x) : std::log10(x);
    case Key::Pi: return kPi;
    case Key::E: return kE;
    default: return x;
    }
}

void KeypadCalculator::press(Key key)
{
    // Take the typed number.
    if (m_state == 0 || m_state == 2) {
        if (m_state == 0) {
            m_x = m_display;
            setFlags(1, 0, 0);
        } else {
            m_y = m_display;
            setFlags(1, 1, 1);
        }
        m_entry = 0.0;
        m_divisor = 1.0;
        m_point = false;
    }
    recomputeState();

    if (m_state == 1) {
        if (key == Key::Backspace) {
            setFlags(1, 0, 0);
            if (m_lastDigitDecimal)
                m_x -= m_lastFraction;
            else
                m_x = std::trunc(m_x * 0.1); // no 32-bit limit: large values stay defined
            m_display = m_x;
        } else if (key == Key::Clear) {
            clear();
        } else if (isBinary(key)) {
            setFlags(1, 0, 1);
        } else if (isUnary(key)) {
            setFlags(1, 0, 0);
            m_x = applyUnary(key, m_x);
            m_display = m_x;
        } else if (key == Key::ClearEntry) {
            m_x = 0.0;
            m_display = 0.0;
            setFlags(0, 0, 0);
        }
        m_pending = key;
    } else if (m_state == 3) {
        if (key == Key::Clear) {
            clear();
        } else if (isBinary(key)) {
            setFlags(1, 0, 1);
            m_x = applyPending(m_y);
            m_display = m_x;
            m_pending = key;
        } else if (key == Key::Equals) {
            setFlags(1, 0, 0);
            m_x = applyPending(m_y);
            m_display = m_x;
        } else if (key == Key::ClearEntry) {
            m_y = 0.0;
            m_display = 0.0;
            setFlags(1, 0, 0);
            m_x = applyPending(0.0);
            m_display = m_x;
        } else {
            m_x = applyPending(m_y);
            m_display = m_x;
        }
    }
    recomputeState();
}

bool KeypadCalculator::readFields(const Fields& fields)
{
    const QString* numeric[] = {&fields.display, &fields.a1, &fields.a2};
    double* targets[] = {&m_display, &m_a1, &m_a2};
    for (int i = 0; i < 3; ++i) {
        const std::optional<double> value = NumberText::read(*numeric[i]);
        if (!value)
            return false;
        *targets[i] = *value;
    }
    m_formula = fields.formula;
    m_angleMode = fields.angleMode == Radian ? Radian : Angle;
    m_inv = fields.inv;
    return true;
}

KeypadCalculator::Fields KeypadCalculator::fields() const
{
    Fields f;
    f.display = NumberText::format(m_display);
    f.a1 = NumberText::format(m_a1);
    f.a2 = NumberText::format(m_a2);
    f.formula = m_formula;
    f.angleMode = m_angleMode;
    f.inv = m_inv;
    return f;
}

void KeypadCalculator::calculate()
{
    ExpressionEvaluator evaluator(m_formula);
    evaluator.bindVariable(QStringLiteral("a1"), m_a1);
    evaluator.bindVariable(QStringLiteral("a2"), m_a2);
    evaluator.evaluate();
    m_display = evaluator.result();
}
