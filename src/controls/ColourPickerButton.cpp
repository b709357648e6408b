#include "controls/ColourPickerButton.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
std::optional<QColor>& nextColour()
{
    static std::optional<QColor> colour;
    return colour;
}
} // namespace

ColourPickerButton::ColourPickerButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &ColourPickerButton::pick);
}

void ColourPickerButton::setColour(const QColor& colour)
{
    if (!colour.isValid() || colour == m_colour)
        return;
    m_colour = colour;
    update();
    Q_EMIT colourChanged(m_colour);
}

void ColourPickerButton::setNextColour(std::optional<QColor> colour) { nextColour() = colour; }

void ColourPickerButton::pick()
{
    QColor chosen;
    if (nextColour()) {
        chosen = *nextColour();
        nextColour().reset();
    } else {
        chosen = QColorDialog::getColor(m_colour, this, text());
    }
    if (chosen.isValid())
        setColour(chosen);
}

void ColourPickerButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButtonBevel, option);
    // The colour fills the face inside the bevel.
    const QRect face = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 1, -1, -1);
    p.setPen(QColor(58, 120, 188));
    p.setBrush(m_colour);
    p.drawRect(face.adjusted(0, 0, -1, -1));
    const bool dark = qGray(m_colour.rgb()) < 128;
    p.setPen(isEnabled() ? (dark ? Qt::white : Qt::black) : Qt::gray);
    p.drawText(face, Qt::AlignCenter | Qt::TextSingleLine, caption);
}
