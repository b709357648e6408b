#include "app/CSplashWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <cmath>

CSplashWindow::CSplashWindow(const QPixmap& picture, int transition, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(picture)
    , m_transition(((transition % TransitionCount) + TransitionCount) % TransitionCount)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(m_picture.isNull() ? QSize(1, 1) : m_picture.size());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    // 24 steps of 60 ms: the whole picture is shown well inside the three seconds.
    m_timer.setInterval(60);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (++m_step >= Steps)
            m_timer.stop();
        update();
    });
    m_timer.start();
}

QRegion CSplashWindow::revealed(int transition, int step, int w, int h)
{
    const double t = std::clamp(double(step) / Steps, 0.0, 1.0);
    if (step >= Steps)
        return QRegion(0, 0, w, h);
    const int bands = 8;
    QRegion r;
    switch (transition) {
    case 0: return QRegion(0, 0, int(w * t), h);                         // wipe right
    case 1: return QRegion(w - int(w * t), 0, int(w * t), h);            // wipe left
    case 2: return QRegion(0, 0, w, int(h * t));                         // wipe down
    case 3: return QRegion(0, h - int(h * t), w, int(h * t));            // wipe up
    case 4:                                                              // horizontal blinds
        for (int i = 0; i < bands; ++i)
            r += QRegion(0, i * h / bands, w, int(std::ceil(h / double(bands) * t)));
        return r;
    case 5:                                                              // vertical blinds
        for (int i = 0; i < bands; ++i)
            r += QRegion(i * w / bands, 0, int(std::ceil(w / double(bands) * t)), h);
        return r;
    case 6: {                                                            // box out
        const int bw = int(w * t), bh = int(h * t);
        return QRegion((w - bw) / 2, (h - bh) / 2, bw, bh);
    }
    case 7: {                                                            // box in
        const int bw = int(w * (1 - t)), bh = int(h * (1 - t));
        return QRegion(0, 0, w, h) - QRegion((w - bw) / 2, (h - bh) / 2, bw, bh);
    }
    case 8: {                                                            // circle out
        const int rad = int(std::hypot(w, h) / 2 * t);
        return QRegion(w / 2 - rad, h / 2 - rad, 2 * rad, 2 * rad, QRegion::Ellipse);
    }
    case 9: return QRegion((w - int(w * t)) / 2, 0, int(w * t), h);      // split vertical
    case 10: return QRegion(0, (h - int(h * t)) / 2, w, int(h * t));     // split horizontal
    case 11: {                                                           // checkerboard
        const int cw = std::max(1, w / 8), ch = std::max(1, h / 6);
        for (int y = 0; y < h; y += ch)
            for (int x = 0; x < w; x += cw) {
                const int shift = ((x / cw + y / ch) % 2) ? cw : 0;
                const int done = int((2 * cw) * t) - shift;
                if (done > 0)
                    r += QRegion(x, y, std::min(cw, done), ch);
            }
        return r;
    }
    case 12: {                                                           // dissolve (fixed pseudo-random cells)
        const int cw = std::max(1, w / 16), ch = std::max(1, h / 10);
        quint32 s = 12345;
        for (int y = 0; y < h; y += ch)
            for (int x = 0; x < w; x += cw) {
                s = s * 214013u + 2531011u;
                if (((s >> 16) & 0x7FFF) / 32768.0 < t)
                    r += QRegion(x, y, cw, ch);
            }
        return r;
    }
    case 13: case 14: {                                                  // diagonal wipes
        QPolygon p;
        const int d = int((w + h) * t);
        if (transition == 13)
            p << QPoint(0, 0) << QPoint(d, 0) << QPoint(0, d);
        else
            p << QPoint(w, h) << QPoint(w - d, h) << QPoint(w, h - d);
        return QRegion(p);
    }
    case 15: {                                                           // diamond
        const int dx = int(w * t), dy = int(h * t);
        QPolygon p;
        p << QPoint(w / 2, h / 2 - dy) << QPoint(w / 2 + dx, h / 2) << QPoint(w / 2, h / 2 + dy) << QPoint(w / 2 - dx, h / 2);
        return QRegion(p);
    }
    case 16: {                                                           // interlaced lines
        for (int y = 0; y < h; y += 2)
            if (y < int(h * t * 2))
                r += QRegion(0, y, w, 1);
        for (int y = 1; y < h; y += 2)
            if (y < int(h * (t * 2 - 1)))
                r += QRegion(0, y, w, 1);
        return r;
    }
    case 17: {                                                           // clock sweep
        QPainterPath path;
        path.moveTo(w / 2.0, h / 2.0);
        path.arcTo(QRectF(-w, -h, 3.0 * w, 3.0 * h), 90, -360 * t);
        path.closeSubpath();
        return QRegion(path.toFillPolygon().toPolygon());
    }
    case 18: {                                                           // corners in
        const int bw = int(w / 2.0 * t), bh = int(h / 2.0 * t);
        return QRegion(0, 0, bw, bh) + QRegion(w - bw, 0, bw, bh) + QRegion(0, h - bh, bw, bh) + QRegion(w - bw, h - bh, bw, bh)
            + QRegion(0, 0, w, int(h * t * t));
    }
    default: {                                                           // stripes from both sides
        for (int i = 0; i < bands; ++i) {
            const int y = i * h / bands, bh = h / bands + 1, len = int(w * t);
            r += (i % 2) ? QRegion(w - len, y, len, bh) : QRegion(0, y, len, bh);
        }
        return r;
    }
    }
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(204, 235, 255));
    if (m_picture.isNull())
        return;
    p.setClipRegion(revealed(m_transition, m_step, width(), height()));
    p.drawPixmap(0, 0, m_picture);
}
