#include "timekeeping/CNumberClock.h"

#include "controls/FramelessFrame.h"
#include "platform/Desktop.h"
#include "timekeeping/ClockPictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

CNumberClock::CNumberClock(Clock& clock, Desktop& desktop, const QString& programDir, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_worker(clock)
{
    setObjectName(QStringLiteral("CNumberClock"));
    setWindowTitle(QStringLiteral("Number Clock"));
    new FramelessFrame(this);
    const QString folder = programDir + QStringLiteral("bmp/Clock/");
    m_face = ClockPictures::load(folder + QStringLiteral("NumberClock.bmp"));
    m_large = ClockPictures::load(folder + QStringLiteral("NumberLarge.bmp"));
    m_small = ClockPictures::load(folder + QStringLiteral("NumberSmall.bmp"));
    const QSize size(NumberClock::Width, NumberClock::Height);
    const QRect area = desktop.workArea();
    setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
    connect(&m_worker, &NumberClockWorker::updated, this, qOverload<>(&QWidget::update));
    m_worker.refresh();
    m_worker.start();
}

CNumberClock::~CNumberClock()
{
    m_worker.stop();
}

QRegion CNumberClock::outline(const QSize& size)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, size.width(), size.height()), 8, 9);
    return QRegion(path.toFillPolygon().toPolygon());
}

void CNumberClock::resizeEvent(QResizeEvent*)
{
    setMask(outline(size()));
}

void CNumberClock::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_face.isNull())
        p.drawImage(0, 0, m_face);
    const NumberClock::Digits digits = m_worker.digits();
    for (int i = 0; i < NumberClock::DigitCount; ++i) {
        const bool large = NumberClock::isLarge(i);
        const QImage& strip = large ? m_large : m_small;
        if (strip.isNull())
            continue;
        const int w = large ? NumberClock::LargeWidth : NumberClock::SmallWidth;
        const int h = large ? NumberClock::LargeHeight : NumberClock::SmallHeight;
        p.drawImage(NumberClock::digitPosition(i), strip, QRect(w * digits[size_t(i)], 0, w, h));
    }
}

void CNumberClock::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        hide();
}
