#pragma once
#include <QPoint>
#include <QRect>

// Docking at the top edge of the screen: a panel pushed within 2 pixels of the top
// collapses to a 3-pixel strip while the pointer is away, and comes back to its expanded
// height when the pointer is on it.
//
// One step looks at the panel's rectangle and the pointer and says what the panel becomes.
// After a step the result cannot change until the pointer enters or leaves the panel or
// the panel is moved or resized, so callers run a step only after such an event.
class Docking
{
public:
    static constexpr int StripHeight = 3;

    explicit Docking(int expandedHeight = 0) : m_expandedHeight(expandedHeight) { }

    int expandedHeight() const { return m_expandedHeight; }
    void setExpandedHeight(int h) { m_expandedHeight = h; }

    // The rectangle the panel should have; equal to `panel` when nothing changes.
    QRect step(const QRect& panel, const QPoint& cursor) const;
    // True while the pointer's position matters (the panel is at the top or collapsed).
    static bool isDockingZone(const QRect& panel) { return panel.top() <= 2 || panel.height() <= 10; }
    static bool isCollapsed(const QRect& panel) { return panel.height() <= 10; }

private:
    int m_expandedHeight;
};
