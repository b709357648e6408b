#pragma once
#include <QImage>
#include <QWidget>

#include "timekeeping/NumberClockWorker.h"

class Clock;
class Desktop;

// The "Number Clock": the time in large digits and the date (day first) in small ones, drawn
// from the pictures "bmp/Clock/NumberClock.bmp" (the face), "NumberLarge.bmp" and
// "NumberSmall.bmp" (the digit strips), in a borderless, always-on-top window with rounded
// corners. A worker thread reads the time once a second. Dragging moves it; a double click
// hides it (the worker keeps running).
class CNumberClock : public QWidget
{
    Q_OBJECT
public:
    CNumberClock(Clock& clock, Desktop& desktop, const QString& programDir, QWidget* parent = nullptr);
    ~CNumberClock() override;

    NumberClockWorker& worker() { return m_worker; }
    // The window's outline: the rounded rectangle of the face, corners 16 x 18.
    static QRegion outline(const QSize& size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    NumberClockWorker m_worker;
    QImage m_face, m_large, m_small;
};
