#pragma once

#include <QString>

// The scientific calculator's keypad and formula line, without a display.
//
// The keypad works immediately, left to right, without precedence: each
// operator applies the one that was pending. Its stage is kept in three
// flags A, B, C from which the state 0..3 is derived:
//   (0,0,0) 0 typing the first number   (1,0,0) 1 a result is shown
//   (1,0,1) 2 an operator is pending    (1,1,1) 3 both operands are taken
// The window turns button presses into pressDigit()/pressPoint()/press()
// and shows fields() after each of them.
class KeypadCalculator
{
public:
    enum class Key {
        None,
        // binary
        Divide,
        Multiply,
        Subtract,
        Add,
        Power, // "x^y"
        // unary
        Negate,     // "+/-"
        Percent,    // "%"
        Reciprocal, // "1/x"
        Square,     // "x^2"
        Cube,       // "x^3"
        Factorial,  // "n!"
        Sin,
        Cos,
        Tan,
        Sinh,
        Cosh,
        Tanh,
        Ln,
        Log,
        Pi,
        E,
        // the rest
        Equals,
        Backspace,
        ClearEntry, // "CE"
        Clear,      // "C"
    };

    enum AngleMode { Angle = 0, Radian = 1 };

    // What the window shows: the display and the formula line as texts, the
    // radio buttons and the check box.
    struct Fields
    {
        QString display;
        QString a1;
        QString a2;
        QString formula;
        int angleMode = Angle;
        bool inv = false;
    };

    static const QString& defaultFormula();

    static bool isBinary(Key key);
    static bool isUnary(Key key);

    void pressDigit(int digit);
    void pressPoint();
    void press(Key key);

    // Reads the window's fields in order (display, a1, a2, formula, angle
    // mode, Inv). A numeric text that is not a number stops the reading
    // there: it and every later field keep their values, and false is
    // returned so the window shows "Please enter a number.".
    bool readFields(const Fields& fields);
    Fields fields() const;

    // "Cal": evaluates the formula with a1 and a2 bound; the result (0 when
    // the formula fails) becomes the display.
    void calculate();

    // A click into the formula edit: the angle mode becomes "Radian".
    void formulaClicked() { m_angleMode = Radian; }

    double display() const { return m_display; }
    double x() const { return m_x; }
    double y() const { return m_y; }
    int state() const { return m_state; }
    int angleMode() const { return m_angleMode; }
    bool inv() const { return m_inv; }
    double a1() const { return m_a1; }
    double a2() const { return m_a2; }
    const QString& formula() const { return m_formula; }

    void setAngleMode(int mode) { m_angleMode = mode == Radian ? Radian : Angle; }
    void setInv(bool inv) { m_inv = inv; }

private:
    void setFlags(int a, int b, int c);
    void recomputeState();
    void clear();
    double applyPending(double y);
    double applyUnary(Key key, double x);

    double m_display = 0.0;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_entry = 0.0;
    bool m_point = false;
    double m_divisor = 0.0; // a double: an int would overflow after ten decimals
    bool m_lastDigitDecimal = false;
    double m_lastFraction = 0.0;
    int m_a = 0;
    int m_b = 0;
    int m_c = 0;
    int m_state = 0;
    Key m_pending = Key::None;
    int m_angleMode = Angle;
    bool m_inv = false;
    double m_a1 = 30.0;
    double m_a2 = 45.0;
    QString m_formula = defaultFormula();
};
