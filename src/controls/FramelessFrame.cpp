#include "controls/FramelessFrame.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

FramelessFrame::FramelessFrame(QWidget* area) : QObject(area), m_area(area)
{
    area->installEventFilter(this);
    area->setMouseTracking(true);
}

void FramelessFrame::setResizeEdges(Qt::Edges edges, int grip)
{
    m_resizeEdges = edges;
    m_grip = grip;
}

QWidget* FramelessFrame::window() const
{
    return m_area->window();
}

Qt::Edges FramelessFrame::edgesAt(const QPoint& pos) const
{
    const QWidget* w = window();
    Qt::Edges edges;
    if (pos.x() < m_grip)
        edges |= Qt::LeftEdge;
    if (pos.x() >= w->width() - m_grip)
        edges |= Qt::RightEdge;
    if (pos.y() < m_grip)
        edges |= Qt::TopEdge;
    if (pos.y() >= w->height() - m_grip)
        edges |= Qt::BottomEdge;
    return edges & m_resizeEdges;
}

bool FramelessFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_area)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton || (m_pressFilter && !m_pressFilter(e->position().toPoint())))
            return false;
        press(e);
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (m_state == State::Idle) {
            updateCursor(m_area->mapTo(window(), e->position().toPoint()));
            return false;
        }
        move(e);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_state != State::Idle) {
            m_state = State::Idle;
            return true;
        }
        return false;
    default:
        return false;
    }
}

void FramelessFrame::press(QMouseEvent* event)
{
    m_state = State::Pressed;
    m_pressGlobal = event->globalPosition().toPoint();
    m_pressEdges = edgesAt(m_area->mapTo(window(), event->position().toPoint()));
    m_dragOffset = m_pressGlobal - window()->frameGeometry().topLeft();
}

void FramelessFrame::move(QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (!(event->buttons() & Qt::LeftButton)) {
        m_state = State::Idle; // the release went elsewhere
        return;
    }
    if (m_state == State::Following) {
        window()->move(global - m_dragOffset);
        return;
    }
    if ((global - m_pressGlobal).manhattanLength() < QApplication::startDragDistance())
        return;
    QWindow* handle = window()->windowHandle();
    if (m_pressEdges && m_beforeResize)
        m_beforeResize(m_pressEdges);
    // From here the window manager owns the drag; without one, an edge drag moves too.
    if (handle && ((m_pressEdges && handle->startSystemResize(m_pressEdges)) || handle->startSystemMove())) {
        m_state = State::Idle;
        return;
    }
    m_state = State::Following;
    window()->move(global - m_dragOffset);
}

void FramelessFrame::updateCursor(const QPoint& windowPos)
{
    // A frame that only moves leaves the area's own cursor alone.
    if (!m_resizeEdges)
        return;
    const Qt::Edges edges = edgesAt(windowPos);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    if (vertical && horizontal) {
        const bool falling = bool(edges & Qt::TopEdge) == bool(edges & Qt::LeftEdge); // top-left or bottom-right
        m_area->setCursor(falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    } else if (vertical) {
        m_area->setCursor(Qt::SizeVerCursor);
    } else if (horizontal) {
        m_area->setCursor(Qt::SizeHorCursor);
    } else {
        m_area->unsetCursor();
    }
}
