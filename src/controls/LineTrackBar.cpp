#include "controls/LineTrackBar.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

LineTrackBar::LineTrackBar(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("trackLine"));
    m_slider->setStyleSheet(QStringLiteral(
        "QSlider { background: transparent; min-height: 20px; }"
        "QSlider::groove:horizontal { height: 2px; margin: 0 6px; background: #3a78bc;"
        "  border-bottom: 1px solid white; }"
        "QSlider::sub-page:horizontal { height: 2px; margin: 0 0 0 6px; background: #1d5aa0; }"
        "QSlider::handle:horizontal { width: 10px; height: 16px; margin: -8px -5px;"
        "  border: 1px solid #2a5f9e; border-radius: 3px;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #9fcdf3); }"
        "QSlider::handle:horizontal:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        "  stop:0 #ffffff, stop:1 #c6e4fb); }"));
    m_slider->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(m_slider, 1);

    m_number = new QSpinBox(this);
    m_number->setObjectName(QStringLiteral("trackNumber"));
    m_number->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_number->setAlignment(Qt::AlignRight);
    m_number->setKeyboardTracking(false);
    m_number->setMinimumWidth(44);
    layout->addWidget(m_number);

    setRange(0, 100);

    connect(m_slider, &QSlider::valueChanged, this, [this](int v) {
        {
            const QSignalBlocker block(m_number);
            m_number->setValue(v);
        }
        Q_EMIT valueChanged(v);
    });
    connect(m_number, &QSpinBox::valueChanged, this, [this](int v) { m_slider->setValue(v); });
}

void LineTrackBar::setRange(int min, int max)
{
    const QSignalBlocker block(m_number);
    m_number->setRange(min, max);
    // A value pushed inside the new range is a change and is reported by the slider.
    m_slider->setRange(min, max);
    m_number->setValue(m_slider->value());
    m_slider->setPageStep(qMax(1, (max - min) / 16));
}

int LineTrackBar::minimum() const { return m_slider->minimum(); }
int LineTrackBar::maximum() const { return m_slider->maximum(); }

void LineTrackBar::setValue(int v) { m_slider->setValue(v); }

int LineTrackBar::value() const { return m_slider->value(); }
