#pragma once
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include "timekeeping/ClockFaces.h"

class Clock;
class Desktop;

// The "Pointer Clock": an analogue dial made only of dots, in a borderless, always-on-top
// window whose outline is the dots themselves. Each dot is painted 3 pixels up and left of
// its place, and the outline holds both, so a 3-pixel edge of the window's colour shows below
// and right of every coloured dot. Dragging moves it; a double click hides it (its timer keeps
// running).
class CPointerClock : public QWidget
{
    Q_OBJECT
public:
    // The colours of the parts, and of the edges.
    static QColor markColour() { return QColor(0, 0, 255); }   // centre and hour marks
    static QColor handColour() { return QColor(255, 0, 0); }   // minute marks, hour and minute hands
    static QColor secondColour() { return QColor(0, 255, 0); } // second hand
    static QColor edgeColour() { return QColor(36, 48, 72); }

    CPointerClock(Clock& clock, Desktop& desktop, QWidget* parent = nullptr);

    // Reads the time, moves the hands and renews the outline (every second).
    void refresh();
    // The outline last set: the dial's and the hands' dots at their places and where they are painted.
    QRegion outline() const { return m_outline; }
    // The hands last drawn.
    const PointerClock::Hands& hands() const { return m_hands; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildDial();

    Clock& m_clock;
    QTimer m_timer;
    PointerClock::Dial m_dial;
    PointerClock::Hands m_hands;
    QRegion m_dialRegion;
    QRegion m_outline;
};
