#include "controls/BitmapButton.h"

#include "controls/Skin.h"

#include <QEvent>
#include <QImage>
#include <QPainter>

namespace {
QPixmap greyed(const QPixmap& source)
{
    if (source.isNull())
        return {};
    QImage img = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = line[x];
            const int g = qGray(p);
            // Keep a hint of the skin's blue so disabled buttons stay in the same family.
            line[x] = qRgba((g * 3 + 200) / 4, (g * 3 + 215) / 4, (g * 3 + 230) / 4, qAlpha(p));
        }
    }
    return QPixmap::fromImage(img);
}
} // namespace

BitmapButton::BitmapButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void BitmapButton::setImages(const QPixmap& normal, const QPixmap& pressed, const QPixmap& hover,
                             const QPixmap& disabled)
{
    m_normal = normal;
    m_pressed = pressed.isNull() ? normal : pressed;
    m_hover = hover.isNull() ? normal : hover;
    m_disabled = disabled.isNull() ? greyed(normal) : disabled;
    if (!m_normal.isNull())
        resize(m_normal.deviceIndependentSize().toSize());
    updateGeometry();
    update();
}

void BitmapButton::setImages(std::initializer_list<int> resourceNumbers)
{
    QPixmap images[4];
    int i = 0;
    for (int number : resourceNumbers) {
        if (i == 4)
            break;
        images[i++] = Skin::resource(number);
    }
    setImages(images[0], images[1], images[2], images[3]);
}

void BitmapButton::setImages(const Skin::ButtonImages& resourceNumbers)
{
    // Number 0 (no picture) gives a null pixmap.
    setImages(Skin::resource(resourceNumbers[0]), Skin::resource(resourceNumbers[1]), Skin::resource(resourceNumbers[2]),
              Skin::resource(resourceNumbers[3]));
}

void BitmapButton::setSelected(bool on)
{
    if (m_selected == on)
        return;
    m_selected = on;
    update();
}

BitmapButton::Look BitmapButton::currentLook() const
{
    if (!isEnabled())
        return Look::Disabled;
    if (m_selected || isDown() || isChecked())
        return Look::Pressed;
    if (m_hovered)
        return Look::Hover;
    return Look::Normal;
}

QPixmap BitmapButton::currentImage() const
{
    switch (currentLook()) {
    case Look::Disabled: return m_disabled;
    case Look::Pressed: return m_pressed;
    case Look::Hover: return m_hover;
    case Look::Normal: break;
    }
    return m_normal;
}

QSize BitmapButton::sizeHint() const
{
    if (m_normal.isNull())
        return {16, 16};
    return m_normal.deviceIndependentSize().toSize();
}

void BitmapButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap img = currentImage();
    if (!img.isNull())
        p.drawPixmap(rect(), img);
}

bool BitmapButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::Enter:
        m_hovered = true;
        update();
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        m_hovered = false;
        update();
        break;
    default:
        break;
    }
    return QAbstractButton::event(event);
}
