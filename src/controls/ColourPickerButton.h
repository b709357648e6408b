#pragma once
#include <QColor>
#include <QPushButton>
#include <optional>

// A button painted in the colour it holds, its caption drawn on that colour (in black or
// white, whichever reads better). Clicking it opens the colour chooser; a colour picked
// there becomes the button's colour and is reported with colourChanged.
class ColourPickerButton : public QPushButton
{
    Q_OBJECT
public:
    explicit ColourPickerButton(const QString& caption = {}, QWidget* parent = nullptr);

    void setColour(const QColor& colour);
    QColor colour() const { return m_colour; }

    // Opens the chooser, as a click does.
    void pick();

    // Test hook: the next chooser answers this colour without showing (an invalid colour =
    // the user cancelled); std::nullopt switches the hook off.
    static void setNextColour(std::optional<QColor> colour);

Q_SIGNALS:
    void colourChanged(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour = Qt::white;
};
