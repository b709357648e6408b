#pragma once
#include <QWidget>

class QSlider;
class QSpinBox;

// The line track bar: a thin line with a thumb, and beside it a number box showing the
// value. Moving the thumb or typing a number changes the value; valueChanged is sent
// once per change, whichever side made it.
class LineTrackBar : public QWidget
{
    Q_OBJECT
public:
    explicit LineTrackBar(QWidget* parent = nullptr);

    void setRange(int min, int max);
    int minimum() const;
    int maximum() const;
    void setValue(int v);
    int value() const;

    // The two parts, for object names, tooltips and tests.
    QSlider* slider() const { return m_slider; }
    QSpinBox* numberBox() const { return m_number; }

Q_SIGNALS:
    void valueChanged(int value);

private:
    QSlider* m_slider = nullptr;
    QSpinBox* m_number = nullptr;
};
