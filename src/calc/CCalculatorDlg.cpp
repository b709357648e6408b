#include "calc/CCalculatorDlg.h"

#include "controls/MessageBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString objectNameFor(const QString& label)
{
    // "key_7", "key_sin", "key_x^y" ... stable names for tests.
    return QStringLiteral("key_") + label;
}

} // namespace

CCalculatorDlg::CCalculatorDlg(QWidget* parent)
    : SkinnedDialog(QStringLiteral("Science Calculator"), 0, parent)
{
    setObjectName(QStringLiteral("CCalculatorDlg"));
    using Key = KeypadCalculator::Key;

    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(6);

    m_display = new QLineEdit(body());
    m_display->setObjectName(QStringLiteral("display"));
    m_display->setReadOnly(true);
    m_display->setAlignment(Qt::AlignRight);
    m_display->setFocusPolicy(Qt::NoFocus);
    QFont displayFont = m_display->font();
    displayFont.setPointSize(displayFont.pointSize() + 3);
    m_display->setFont(displayFont);
    m_display->setMinimumWidth(360);
    layout->addWidget(m_display);

    // Inv, the angle mode, and the editing keys.
    auto* top = new QHBoxLayout;
    m_inv = new QCheckBox(QStringLiteral("Inv"), body());
    m_inv->setObjectName(QStringLiteral("inv"));
    m_angle = new QRadioButton(QStringLiteral("Angle"), body());
    m_angle->setObjectName(QStringLiteral("angle"));
    m_radian = new QRadioButton(QStringLiteral("Radian"), body());
    m_radian->setObjectName(QStringLiteral("radian"));
    top->addWidget(m_inv);
    top->addWidget(m_angle);
    top->addWidget(m_radian);
    top->addStretch(1);
    for (const auto& [label, key] : {std::pair{QStringLiteral("Backspace"), Key::Backspace},
                                     std::pair{QStringLiteral("CE"), Key::ClearEntry},
                                     std::pair{QStringLiteral("C"), Key::Clear}})
        top->addWidget(addKey(label, key));
    layout->addLayout(top);

    // The keypad: functions on the left, digits and operators on the right.
    auto* pad = new QGridLayout;
    pad->setSpacing(4);
    const struct {
        const char16_t* label;
        Key key;
        int row;
        int column;
    } keys[] = {
        {u"sinh", Key::Sinh, 0, 0}, {u"sin", Key::Sin, 0, 1}, {u"x^2", Key::Square, 0, 2},
        {u"cosh", Key::Cosh, 1, 0}, {u"cos", Key::Cos, 1, 1}, {u"x^3", Key::Cube, 1, 2},
        {u"tanh", Key::Tanh, 2, 0}, {u"tan", Key::Tan, 2, 1}, {u"x^y", Key::Power, 2, 2},
        {u"ln", Key::Ln, 3, 0},     {u"log", Key::Log, 3, 1}, {u"n!", Key::Factorial, 3, 2},
        {u"PI", Key::Pi, 4, 0},     {u"E", Key::E, 4, 1},     {u"1/x", Key::Reciprocal, 4, 2},
        {u"/", Key::Divide, 0, 7},  {u"*", Key::Multiply, 1, 7}, {u"-", Key::Subtract, 2, 7},
        {u"+", Key::Add, 3, 7},     {u"+/-", Key::Negate, 3, 5}, {u"%", Key::Percent, 4, 4},
        {u"=", Key::Equals, 4, 5},
    };
    for (const auto& k : keys) {
        QPushButton* b = addKey(QString::fromUtf16(k.label), k.key);
        if (k.key == Key::Equals)
            pad->addWidget(b, k.row, k.column, 1, 3);
        else
            pad->addWidget(b, k.row, k.column);
    }
    const int digitRows[10][2] = {{3, 4}, {2, 4}, {2, 5}, {2, 6}, {1, 4}, {1, 5}, {1, 6}, {0, 4}, {0, 5}, {0, 6}};
    for (int d = 0; d <= 9; ++d)
        pad->addWidget(addDigit(d), digitRows[d][0], digitRows[d][1]);
    auto* point = new QPushButton(QStringLiteral("."), body());
    point->setObjectName(objectNameFor(QStringLiteral(".")));
    point->setAutoDefault(false);
    point->setFocusPolicy(Qt::NoFocus);
    m_keys.insert(QStringLiteral("."), point);
    connect(point, &QPushButton::clicked, this, [this] {
        m_model.pressPoint();
        afterKey();
    });
    pad->addWidget(point, 3, 6);
    pad->setColumnMinimumWidth(3, 10);
    layout->addLayout(pad);

    // The formula line.
    auto* group = new QGroupBox(body());
    auto* formula = new QGridLayout(group);
    auto* help = new QLabel(
        QStringLiteral("Variable and Function include ABS, ATAN, COS, EXP, LN, ROUND,SIN, SQRT, SQR, TRUNC, NOT, BOOL, SGN."),
        group);
    help->setWordWrap(true);
    formula->addWidget(help, 0, 0, 1, 6);
    formula->addWidget(new QLabel(QStringLiteral("Express"), group), 1, 0);
    m_formula = new QLineEdit(group);
    m_formula->setObjectName(QStringLiteral("express"));
    m_formula->installEventFilter(this);
    formula->addWidget(m_formula, 1, 1, 1, 5);
    formula->addWidget(new QLabel(QStringLiteral("a1"), group), 2, 0);
    m_a1 = new QLineEdit(group);
    m_a1->setObjectName(QStringLiteral("a1"));
    formula->addWidget(m_a1, 2, 1);
    formula->addWidget(new QLabel(QStringLiteral("a2"), group), 2, 2);
    m_a2 = new QLineEdit(group);
    m_a2->setObjectName(QStringLiteral("a2"));
    formula->addWidget(m_a2, 2, 3);
    auto* cal = new QPushButton(QStringLiteral("Cal"), group);
    cal->setObjectName(QStringLiteral("cal"));
    cal->setAutoDefault(false);
    formula->addWidget(cal, 2, 5);
    formula->setColumnStretch(1, 1);
    formula->setColumnStretch(3, 1);
    layout->addWidget(group);

    connect(cal, &QPushButton::clicked, this, &CCalculatorDlg::calculate);
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(m_angle), static_cast<QAbstractButton*>(m_radian),
                               static_cast<QAbstractButton*>(m_inv)})
        connect(b, &QAbstractButton::clicked, this, &CCalculatorDlg::readFields);

    writeFields();
}

QPushButton* CCalculatorDlg::addButton(const QString& label, std::function<void()> press)
{
    auto* b = new QPushButton(label, body());
    b->setObjectName(objectNameFor(label));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumWidth(44);
    m_keys.insert(label, b);
    connect(b, &QPushButton::clicked, this, [this, press = std::move(press)] {
        press();
        afterKey();
    });
    return b;
}

QPushButton* CCalculatorDlg::addKey(const QString& label, KeypadCalculator::Key key)
{
    return addButton(label, [this, key] { m_model.press(key); });
}

QPushButton* CCalculatorDlg::addDigit(int digit)
{
    return addButton(QString::number(digit), [this, digit] { m_model.pressDigit(digit); });
}

void CCalculatorDlg::afterKey()
{
    // The keys change only the display, the angle mode and Inv; the formula
    // line's edits keep what the user is typing there.
    writeKeypadFields();
}

KeypadCalculator::Fields CCalculatorDlg::shownFields() const
{
    KeypadCalculator::Fields f;
    f.display = m_display->text();
    f.a1 = m_a1->text();
    f.a2 = m_a2->text();
    f.formula = m_formula->text();
    f.angleMode = m_radian->isChecked() ? KeypadCalculator::Radian : KeypadCalculator::Angle;
    f.inv = m_inv->isChecked();
    return f;
}

void CCalculatorDlg::readFields()
{
    if (!m_model.readFields(shownFields()))
        MessageBox::info(this, QStringLiteral("Please enter a number."));
    // Shows what the model holds now, also the fields it could not take.
    writeFields();
}

void CCalculatorDlg::writeKeypadFields()
{
    const KeypadCalculator::Fields f = m_model.fields();
    m_display->setText(f.display);
    m_angle->setChecked(f.angleMode == KeypadCalculator::Angle);
    m_radian->setChecked(f.angleMode == KeypadCalculator::Radian);
    m_inv->setChecked(f.inv);
}

void CCalculatorDlg::writeFields()
{
    writeKeypadFields();
    const KeypadCalculator::Fields f = m_model.fields();
    m_a1->setText(f.a1);
    m_a2->setText(f.a2);
    m_formula->setText(f.formula);
}

void CCalculatorDlg::calculate()
{
    // A field that is not a number is told, and the evaluation goes on with
    // the values the model holds.
    if (!m_model.readFields(shownFields()))
        MessageBox::info(this, QStringLiteral("Please enter a number."));
    m_model.calculate();
    writeFields();
}

bool CCalculatorDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_formula && event->type() == QEvent::MouseButtonPress) {
        m_model.formulaClicked();
        writeKeypadFields();
    }
    return SkinnedDialog::eventFilter(watched, event);
}
