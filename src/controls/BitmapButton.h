#pragma once
#include <QAbstractButton>
#include <QPixmap>
#include <initializer_list>

#include "controls/SkinResources.h"

// A push button drawn from four pictures: normal, pressed, hover (mouse over it) and
// disabled. A selected button keeps its pressed look (the chosen category of the panel).
// Without a disabled picture the normal one is shown greyed; without a hover picture
// the normal one.
class BitmapButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit BitmapButton(QWidget* parent = nullptr);

    void setImages(const QPixmap& normal, const QPixmap& pressed, const QPixmap& hover,
                   const QPixmap& disabled = {});
    // The skin's pictures with these resource numbers, in the order normal, pressed,
    // hover, disabled (three or four numbers). The button takes the normal picture's size.
    void setImages(std::initializer_list<int> resourceNumbers);
    void setImages(const Skin::ButtonImages& resourceNumbers);

    void setSelected(bool on);
    bool isSelected() const { return m_selected; }

    // What the button shows now.
    enum class Look { Normal, Pressed, Hover, Disabled };
    Look currentLook() const;
    QPixmap currentImage() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QPixmap m_normal, m_pressed, m_hover, m_disabled;
    bool m_selected = false;
    bool m_hovered = false;
};
