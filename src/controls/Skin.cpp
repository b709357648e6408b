#include "controls/Skin.h"

#include "controls/SkinArt.h"

#include <QHash>
#include <QPainter>
#include <QRect>

namespace Skin {

QPixmap resource(int number)
{
    static QHash<int, QPixmap> cache;
    auto it = cache.constFind(number);
    if (it != cache.constEnd())
        return *it;
    const QPixmap pixmap = QPixmap::fromImage(SkinArt::resource(number));
    cache.insert(number, pixmap);
    return pixmap;
}

QList<int> resourceNumbers() { return SkinArt::resourceNumbers(); }

QIcon programIcon()
{
    static QIcon icon = [] {
        QIcon i;
        for (int size : {16, 22, 24, 32, 48, 64})
            i.addPixmap(QPixmap::fromImage(SkinArt::programIcon(size)));
        return i;
    }();
    return icon;
}

void paintToolTitle(QPainter& p, const QRect& r)
{
    const QPixmap left = resource(ToolTitleLeft);
    const QPixmap right = resource(ToolTitleRight);
    p.drawPixmap(QRect(r.left(), r.top(), left.width(), r.height()), left);
    p.drawPixmap(QRect(r.left() + left.width(), r.top(), r.width() - left.width() - right.width(),
                       r.height()),
                 resource(ToolTitleMiddle));
    p.drawPixmap(QRect(r.right() + 1 - right.width(), r.top(), right.width(), r.height()), right);
}

void paintPanel(QPainter& p, const QRect& r, bool border)
{
    const int x = r.left(), y = r.top(), w = r.width(), h = r.height();
    auto piece = [&](int number, const QRect& where) {
        if (where.width() > 0 && where.height() > 0)
            p.drawPixmap(where, resource(number));
    };
    const int title = TitleHeight, bandBottom = 79, bottomRow = 34, column = 29, rightEdge = 2;
    const int ends = resource(PanelTitleLeft).width();
    piece(PanelTitleLeft, QRect(x, y, ends, title));
    piece(PanelTitleMiddle, QRect(x + ends, y, w - 2 * ends, title));
    piece(PanelTitleRight, QRect(x + w - ends, y, ends, title));
    piece(PanelBanner, QRect(x, y + title, w, bandBottom - title));
    const int bodyTop = y + bandBottom, bodyHeight = h - bandBottom - bottomRow;
    piece(PanelLeftEdge, QRect(x, bodyTop, column, bodyHeight));
    piece(PanelBody, QRect(x + column, bodyTop, w - column - rightEdge, bodyHeight));
    piece(PanelRightEdge, QRect(x + w - rightEdge, bodyTop, rightEdge, bodyHeight));
    const int bottomTop = y + h - bottomRow, cap = resource(PanelBottomLeft).width();
    piece(PanelBottomLeft, QRect(x, bottomTop, cap, bottomRow));
    piece(PanelBottomMiddle, QRect(x + cap, bottomTop, w - 2 * cap, bottomRow));
    piece(PanelBottomRight, QRect(x + w - cap, bottomTop, cap, bottomRow));
    const QPixmap grip = resource(PanelGrip);
    p.drawPixmap(x + w - grip.width() - 1, y + h - grip.height() - 1, grip);
    if (border) {
        const int b = 2;
        piece(BorderTop, QRect(x, y, w, b));
        piece(BorderBottom, QRect(x, y + h - b, w, b));
        piece(BorderLeft, QRect(x, y, b, h));
        piece(BorderRight, QRect(x + w - b, y, b, h));
    }
}

} // namespace Skin
