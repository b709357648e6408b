#pragma once
#include <functional>

#include "calc/KeypadCalculator.h"
#include "controls/SkinnedDialog.h"

#include <QMap>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The "Science Calculator" window: the keypad, the display and the formula
// line. It holds a KeypadCalculator and turns every click into a model call;
// after each key it shows the model's display, angle mode and Inv.
class CCalculatorDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    explicit CCalculatorDlg(QWidget* parent = nullptr);

    const KeypadCalculator& model() const { return m_model; }

    // The key button with the given label ("7", "+", "sin", "Backspace", ...).
    QPushButton* keyButton(const QString& label) const { return m_keys.value(label); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(const QString& label, std::function<void()> press);
    QPushButton* addKey(const QString& label, KeypadCalculator::Key key);
    QPushButton* addDigit(int digit);
    void afterKey();
    KeypadCalculator::Fields shownFields() const;
    void readFields();
    void writeFields();
    void writeKeypadFields();
    void calculate();

    KeypadCalculator m_model;
    QLineEdit* m_display = nullptr;
    QLineEdit* m_formula = nullptr;
    QLineEdit* m_a1 = nullptr;
    QLineEdit* m_a2 = nullptr;
    QRadioButton* m_angle = nullptr;
    QRadioButton* m_radian = nullptr;
    QCheckBox* m_inv = nullptr;
    QMap<QString, QPushButton*> m_keys;
};
