#pragma once
#include <QObject>
#include <QPoint>

#include <functional>

class QMouseEvent;
class QWidget;

// Moves and resizes a frameless window with the mouse. A left-button drag that starts on
// the watched area (the window itself, or a part of it such as a title strip) moves the
// window; one that starts on a resize edge of the window resizes it. The window manager
// does the move or resize where it can; elsewhere the window follows the pointer itself.
//
// The move or resize begins only once the pointer has moved with the button held, so a
// click with no time between press and release never leaves the window manager holding
// a drag that nothing ends.
class FramelessFrame : public QObject
{
    Q_OBJECT
public:
    // Watches `area` (often the window itself); the window is area->window().
    explicit FramelessFrame(QWidget* area);

    // The window's edges that resize it, and how wide the grip along them is.
    void setResizeEdges(Qt::Edges edges, int grip = 4);
    // Called just before a resize by the user begins.
    void setBeforeResize(std::function<void(Qt::Edges)> hook) { m_beforeResize = std::move(hook); }
    // Decides whether a left-button press (in the watched area's coordinates) may start a
    // move; a press it refuses goes on to the area itself. Without one every press may.
    void setPressFilter(std::function<bool(const QPoint&)> filter) { m_pressFilter = std::move(filter); }

    // The resize edges under a point of the window (window coordinates).
    Qt::Edges edgesAt(const QPoint& pos) const;
    bool isDragging() const { return m_state != State::Idle; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State { Idle, Pressed, Following };
    QWidget* window() const;
    void press(QMouseEvent* event);
    void move(QMouseEvent* event);
    void updateCursor(const QPoint& windowPos);

    QWidget* m_area;
    Qt::Edges m_resizeEdges;
    int m_grip = 4;
    std::function<void(Qt::Edges)> m_beforeResize;
    std::function<bool(const QPoint&)> m_pressFilter;

    State m_state = State::Idle;
    Qt::Edges m_pressEdges;
    QPoint m_pressGlobal;
    QPoint m_dragOffset; // pointer minus the window's top-left, while it follows by hand
};
