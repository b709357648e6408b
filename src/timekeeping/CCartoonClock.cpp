#include "timekeeping/CCartoonClock.h"

#include "controls/FramelessFrame.h"
#include "controls/PopupMenu.h"
#include "platform/Clock.h"
#include "timekeeping/ClockFaces.h"
#include "timekeeping/ClockPictures.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QPainter>

CCartoonClock::CCartoonClock(Clock& clock, const QString& programDir, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_clock(clock)
    , m_folder(programDir + QStringLiteral("bmp/Clock/"))
    , m_skin(CartoonClock::InitialSkin)
    , m_font(CartoonClock::InitialFont)
{
    setObjectName(QStringLiteral("CCartoonClock"));
    setWindowTitle(QStringLiteral("Cartoon Clock"));
    setWindowOpacity(Opacity / 255.0);
    setCursor(Qt::OpenHandCursor);
    new FramelessFrame(this);
    resize(CartoonClock::DisplayWidth + 20, CartoonClock::BarHeight + 20);
    loadSkin();
    connect(&m_timer, &QTimer::timeout, this, &CCartoonClock::tick);
}

QPoint CCartoonClock::findDisplayOrigin(const QImage& skin)
{
    const QImage img = skin.convertToFormat(QImage::Format_RGB32);
    const QRgb clear = img.pixel(0, 0), black = qRgb(0, 0, 0);
    const auto isBlack = [&](int x, int y) { return x < img.width() && y < img.height() && img.pixel(x, y) == black; };
    QPoint origin;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y) {
            if (img.pixel(x, y) == clear || img.pixel(x, y) != black)
                continue;
            bool bars = true;
            for (int i = 0; i < CartoonClock::BarHeight && bars; ++i)
                bars = isBlack(x, y + i) && isBlack(x + CartoonClock::BarDistance, y + i);
            if (bars)
                origin = QPoint(x, y);
        }
    return origin;
}

QRegion CCartoonClock::skinOutline(const QImage& skin)
{
    const QImage img = skin.convertToFormat(QImage::Format_RGB32);
    // The mask's "in" pixels come out white, which a bitmap leaves out of its region.
    const QImage cut = img.createMaskFromColor(img.pixel(0, 0), Qt::MaskInColor);
    return QRegion(QBitmap::fromImage(cut));
}

void CCartoonClock::loadSkin()
{
    const QImage skin = ClockPictures::load(m_folder + CartoonClock::skins().value(m_skin).file);
    m_skinImage = skin;
    if (!skin.isNull()) {
        resize(skin.size());
        m_outline = skinOutline(skin);
        setMask(m_outline);
        m_origin = findDisplayOrigin(skin);
    }
    loadDigits();
    update();
}

void CCartoonClock::loadDigits()
{
    m_digits = ClockPictures::load(m_folder + CartoonClock::fonts().value(m_font).file);
    update();
}

void CCartoonClock::setSkin(int index)
{
    if (index < 0 || index >= CartoonClock::skins().size())
        return;
    m_skin = index;
    loadSkin();
}

void CCartoonClock::setFont(int index)
{
    if (index < 0 || index >= CartoonClock::fonts().size())
        return;
    m_font = index;
    loadDigits();
}

void CCartoonClock::tick()
{
    const QTime now = m_clock.localNow().time();
    if (now.second() == m_shownSecond)
        return;
    m_shownSecond = now.second();
    m_shownTime = now;
    update();
}

void CCartoonClock::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_skinImage.isNull())
        p.drawImage(0, 0, m_skinImage);
    if (m_digits.isNull())
        return;
    for (const CartoonClock::Piece& piece : CartoonClock::pieces(m_shownTime.isValid() ? m_shownTime : m_clock.localNow().time()))
        p.drawImage(m_origin + QPoint(piece.x, 0), m_digits, QRect(piece.sourceX, 0, piece.width, CartoonClock::BarHeight));
}

PopupMenu* CCartoonClock::createMenu(QWidget* parent)
{
    auto* menu = new PopupMenu(parent);
    menu->setObjectName(QStringLiteral("CartoonClock"));
    const auto addChoices = [menu](const QString& title, const QList<CartoonClock::Choice>& choices, int base, int current) {
        auto* sub = new PopupMenu(menu);
        sub->setTitle(title);
        sub->setObjectName(title);
        for (int i = 0; i < choices.size(); ++i) {
            QAction* a = sub->addAction(choices[i].menuText);
            a->setData(base + i);
            a->setCheckable(true);
            a->setChecked(i == current);
        }
        menu->addMenu(sub);
    };
    addChoices(QStringLiteral("Skin"), CartoonClock::skins(), SkinCommand, m_skin);
    addChoices(QStringLiteral("Font"), CartoonClock::fonts(), FontCommand, m_font);
    menu->addItem(CloseCommand, QStringLiteral("Close"));
    return menu;
}

void CCartoonClock::command(int id)
{
    if (id == CloseCommand) {
        m_timer.stop();
        hide();
    } else if (id >= FontCommand && id < CloseCommand) {
        setFont(id - FontCommand);
    } else if (id >= SkinCommand && id < FontCommand) {
        setSkin(id - SkinCommand);
    }
}

void CCartoonClock::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu* menu = createMenu(this);
    const int id = menu->exec(event->globalPos());
    menu->deleteLater();
    command(id);
}

void CCartoonClock::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_shownSecond = -1;
    tick();
    m_timer.start(TickMs);
}
