#include "timekeeping/CPointerClock.h"

#include "controls/FramelessFrame.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The outline of dots: each dot at its place and where its colour is painted, 3 pixels up
// and left, so the coloured dot shows whole with the 3-pixel edge below and right of it.
QRegion dots(const QList<QRect>& list)
{
    QRegion r;
    for (const QRect& d : list) {
        r += QRegion(d, QRegion::Ellipse);
        r += QRegion(d.translated(-PointerClock::Edge, -PointerClock::Edge), QRegion::Ellipse);
    }
    return r;
}

void paintDots(QPainter& p, const QList<QRect>& list, const QColor& colour)
{
    p.setBrush(colour);
    for (const QRect& d : list)
        p.drawEllipse(d.translated(-PointerClock::Edge, -PointerClock::Edge));
}

} // namespace

CPointerClock::CPointerClock(Clock& clock, Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_clock(clock)
{
    setObjectName(QStringLiteral("CPointerClock"));
    setWindowTitle(QStringLiteral("Pointer Clock"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    new FramelessFrame(this);
    const QRect area = desktop.workArea();
    setGeometry(area.x() + area.width() - 242, area.y() + area.height() - 242, PointerClock::Size, PointerClock::Size);
    buildDial();
    refresh();
    // The hands move half a second after opening, then every second.
    connect(&m_timer, &QTimer::timeout, this, [this] {
        refresh();
        m_timer.setInterval(1000);
    });
    m_timer.start(500);
}

void CPointerClock::buildDial()
{
    m_dial = PointerClock::dial(QPoint(width() / 2, height() / 2));
    m_dialRegion = dots({m_dial.centre}) + dots(m_dial.hourMarks) + dots(m_dial.minuteMarks);
}

void CPointerClock::refresh()
{
    m_hands = PointerClock::hands(QPoint(width() / 2, height() / 2), m_clock.localNow().time());
    m_outline = m_dialRegion + dots(m_hands.hour) + dots(m_hands.minute) + dots(m_hands.second);
    setMask(m_outline);
    update();
}

void CPointerClock::resizeEvent(QResizeEvent*)
{
    if (width() < PointerClock::SmallestSize || height() < PointerClock::SmallestSize) {
        resize(PointerClock::Size, PointerClock::Size);
        return;
    }
    buildDial();
    refresh();
}

void CPointerClock::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), edgeColour());
    p.setPen(Qt::NoPen);
    p.setBrush(markColour());
    p.drawEllipse(m_dial.centre.translated(-PointerClock::Edge, -PointerClock::Edge));
    paintDots(p, m_dial.hourMarks, markColour());
    paintDots(p, m_dial.minuteMarks, handColour());
    paintDots(p, m_hands.hour, handColour());
    paintDots(p, m_hands.minute, handColour());
    paintDots(p, m_hands.second, secondColour());
}

void CPointerClock::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        hide();
}

void CPointerClock::keyPressEvent(QKeyEvent* event)
{
    event->accept(); // keys do nothing here
}
