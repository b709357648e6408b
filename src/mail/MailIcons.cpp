#include "mail/MailIcons.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kInk(40, 70, 120);
const QColor kPaper(255, 255, 255);
const QColor kEnvelope(250, 244, 222);
const QColor kBlue(60, 130, 215);
const QColor kGreen(60, 160, 80);
const QColor kRed(205, 60, 50);
const QColor kOrange(230, 150, 40);

// Draws at 16, 24 and 32 pixels from one drawing in a 16 x 16 box.
template <class Draw>
QIcon drawn(Draw draw)
{
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPen pen(const QColor& c, qreal width = 1.0)
{
    QPen p(c, width);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

void envelope(QPainter& p, const QRectF& r)
{
    p.setPen(pen(kInk));
    p.setBrush(kEnvelope);
    p.drawRoundedRect(r, 1, 1);
    QPainterPath flap;
    flap.moveTo(r.left() + 0.5, r.top() + 0.5);
    flap.lineTo(r.center().x(), r.top() + r.height() * 0.6);
    flap.lineTo(r.right() - 0.5, r.top() + 0.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
}

void person(QPainter& p, const QPointF& at, const QColor& colour)
{
    p.setPen(pen(colour.darker(140)));
    p.setBrush(colour);
    p.drawEllipse(QRectF(at.x() - 2.5, at.y(), 5, 5));
    QPainterPath body;
    body.moveTo(at.x() - 5, at.y() + 11);
    body.cubicTo(at.x() - 5, at.y() + 5.5, at.x() + 5, at.y() + 5.5, at.x() + 5, at.y() + 11);
    body.closeSubpath();
    p.drawPath(body);
}

void tray(QPainter& p, const QColor& colour)
{
    QPainterPath path;
    path.moveTo(1.5, 9);
    path.lineTo(4, 3.5);
    path.lineTo(12, 3.5);
    path.lineTo(14.5, 9);
    path.lineTo(14.5, 14);
    path.lineTo(1.5, 14);
    path.closeSubpath();
    p.setPen(pen(colour.darker(150)));
    p.setBrush(colour);
    p.drawPath(path);
    QPainterPath slot;
    slot.moveTo(1.5, 9);
    slot.lineTo(5.5, 9);
    slot.lineTo(6.5, 11);
    slot.lineTo(9.5, 11);
    slot.lineTo(10.5, 9);
    slot.lineTo(14.5, 9);
    p.setBrush(colour.lighter(150));
    p.drawPath(slot);
}

void plane(QPainter& p, const QColor& colour)
{
    QPainterPath path;
    path.moveTo(1.5, 7.5);
    path.lineTo(14.5, 1.5);
    path.lineTo(10.5, 14.5);
    path.lineTo(7.5, 9.5);
    path.closeSubpath();
    p.setPen(pen(colour.darker(150)));
    p.setBrush(colour);
    p.drawPath(path);
    p.drawLine(QPointF(7.5, 9.5), QPointF(14.5, 1.5));
}

void bin(QPainter& p)
{
    p.setPen(pen(QColor(90, 90, 100)));
    p.setBrush(QColor(180, 185, 195));
    QPainterPath can;
    can.moveTo(3.5, 4.5);
    can.lineTo(12.5, 4.5);
    can.lineTo(11.5, 14.5);
    can.lineTo(4.5, 14.5);
    can.closeSubpath();
    p.drawPath(can);
    p.drawRect(QRectF(2, 3, 12, 1.5));
    p.drawRect(QRectF(6, 1.5, 4, 1.5));
    for (qreal x : {6.2, 8.0, 9.8})
        p.drawLine(QPointF(x, 6.5), QPointF(x, 12.5));
}

void badge(QPainter& p, const QColor& colour, bool plus)
{
    p.setPen(pen(Qt::white, 0.8));
    p.setBrush(colour);
    p.drawEllipse(QRectF(8.5, 8.5, 7, 7));
    p.setPen(pen(Qt::white, 1.4));
    p.drawLine(QPointF(10.2, 12), QPointF(13.8, 12));
    if (plus)
        p.drawLine(QPointF(12, 10.2), QPointF(12, 13.8));
}

} // namespace

QIcon MailIcons::account()
{
    static const QIcon icon = drawn([](QPainter& p) {
        envelope(p, QRectF(0.5, 6.5, 11, 8));
        person(p, QPointF(11, 1), kBlue);
    });
    return icon;
}

QIcon MailIcons::folder(MailFolder f)
{
    static QHash<int, QIcon> cache;
    const auto it = cache.constFind(int(f));
    if (it != cache.cend())
        return *it;
    QIcon icon;
    switch (f) {
    case MailFolder::Inbox:
        icon = drawn([](QPainter& p) {
            tray(p, kBlue);
            p.setPen(pen(kGreen, 1.6));
            p.drawLine(QPointF(8, 0.8), QPointF(8, 6.5));
            p.drawLine(QPointF(5.8, 4.5), QPointF(8, 6.8));
            p.drawLine(QPointF(10.2, 4.5), QPointF(8, 6.8));
        });
        break;
    case MailFolder::Drafts:
        icon = drawn([](QPainter& p) {
            p.setPen(pen(kInk));
            p.setBrush(kPaper);
            p.drawRect(QRectF(2.5, 1.5, 9, 13));
            for (qreal y : {4.5, 7.0, 9.5})
                p.drawLine(QPointF(4.5, y), QPointF(9.5, y));
            QPainterPath pencil;
            pencil.moveTo(8, 14.5);
            pencil.lineTo(8.6, 11.8);
            pencil.lineTo(14.2, 6.2);
            pencil.lineTo(15.8, 7.8);
            pencil.lineTo(10.2, 13.4);
            pencil.closeSubpath();
            p.setPen(pen(kOrange.darker(150)));
            p.setBrush(kOrange);
            p.drawPath(pencil);
        });
        break;
    case MailFolder::Sent:
        icon = drawn([](QPainter& p) { plane(p, kGreen); });
        break;
    case MailFolder::Deleted:
        icon = drawn([](QPainter& p) { bin(p); });
        break;
    case MailFolder::Junk:
        icon = drawn([](QPainter& p) {
            envelope(p, QRectF(0.5, 3.5, 12, 9));
            p.setPen(pen(Qt::white, 0.8));
            p.setBrush(kRed);
            p.drawEllipse(QRectF(8.5, 8.5, 7, 7));
            p.setPen(pen(Qt::white, 1.4));
            p.drawLine(QPointF(10.3, 10.3), QPointF(13.7, 13.7));
        });
        break;
    }
    cache.insert(int(f), icon);
    return icon;
}

QIcon MailIcons::action(Action a)
{
    static QHash<int, QIcon> cache;
    const auto it = cache.constFind(int(a));
    if (it != cache.cend())
        return *it;
    QIcon icon;
    switch (a) {
    case Action::NewAccount:
        icon = drawn([](QPainter& p) {
            person(p, QPointF(6, 1.5), kBlue);
            badge(p, kGreen, true);
        });
        break;
    case Action::DeleteAccount:
        icon = drawn([](QPainter& p) {
            person(p, QPointF(6, 1.5), kBlue);
            badge(p, kRed, false);
        });
        break;
    case Action::Compose:
        icon = drawn([](QPainter& p) {
            envelope(p, QRectF(0.5, 4.5, 12, 9));
            QPainterPath pencil;
            pencil.moveTo(8, 12.5);
            pencil.lineTo(8.6, 9.8);
            pencil.lineTo(14.2, 4.2);
            pencil.lineTo(15.8, 5.8);
            pencil.lineTo(10.2, 11.4);
            pencil.closeSubpath();
            p.setPen(pen(kOrange.darker(150)));
            p.setBrush(kOrange);
            p.drawPath(pencil);
        });
        break;
    case Action::Send:
        icon = drawn([](QPainter& p) { plane(p, kBlue); });
        break;
    case Action::Receive:
        icon = drawn([](QPainter& p) {
            envelope(p, QRectF(0.5, 6.5, 12, 8.5));
            p.setPen(pen(kGreen, 1.8));
            p.drawLine(QPointF(12.5, 0.8), QPointF(12.5, 7));
            p.drawLine(QPointF(10, 4.6), QPointF(12.5, 7.2));
            p.drawLine(QPointF(15, 4.6), QPointF(12.5, 7.2));
        });
        break;
    case Action::Delete:
        icon = drawn([](QPainter& p) {
            bin(p);
            p.setPen(pen(kRed, 1.6));
            p.drawLine(QPointF(9.5, 9.5), QPointF(15, 15));
            p.drawLine(QPointF(15, 9.5), QPointF(9.5, 15));
        });
        break;
    }
    cache.insert(int(a), icon);
    return icon;
}

QIcon MailIcons::forFileName(const QString& fileName)
{
    // Without a desktop that names its icon theme, look in the common full-colour one.
    static const bool themed = [] {
        if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
            for (const QString& dir : QIcon::themeSearchPaths())
                if (QFileInfo::exists(dir + QStringLiteral("/Adwaita/index.theme"))) {
                    QIcon::setThemeName(QStringLiteral("Adwaita"));
                    break;
                }
        return true;
    }();
    Q_UNUSED(themed);
    static QMimeDatabase mimes;
    const QMimeType type = mimes.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    for (const QString& name : {type.iconName(), type.genericIconName(), QStringLiteral("text-x-generic")}) {
        const QIcon icon = QIcon::fromTheme(name);
        if (!icon.isNull() && !icon.availableSizes().isEmpty())
            return icon;
        if (!icon.isNull() && QIcon::hasThemeIcon(name))
            return icon;
    }
    static QFileIconProvider provider;
    return provider.icon(QFileIconProvider::File);
}
