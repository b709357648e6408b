#include "app/Docking.h"

QRect Docking::step(const QRect& panel, const QPoint& cursor) const
{
    QRect r = panel;
    if (panel.contains(cursor)) {
        if (panel.top() <= 2)
            r.setHeight(m_expandedHeight);
        return r;
    }
    if (panel.top() <= 2) {
        r.moveTop(0);
        r.setHeight(StripHeight);
    } else if (panel.height() <= 10) {
        r.setHeight(m_expandedHeight);
    }
    return r;
}
