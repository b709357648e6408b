#include "games/gobang/CGobangDlg.h"

#include "controls/BitmapButton.h"
#include "controls/FramelessFrame.h"
#include "controls/MessageBox.h"
#include "controls/TitleStrip.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRadialGradient>

#include <iterator>

namespace {

QString idName(int id)
{
    return QStringLiteral("id%1").arg(id);
}

const QColor HighlightViolet(211, 197, 244);

} // namespace

GobangBoardView::GobangBoardView(const GobangGame& game, QWidget* parent) : QWidget(parent), m_game(game)
{
    setFixedSize(Side, Side);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GobangBoardView::setBlink(bool on)
{
    m_blink = on;
    if (m_game.lastMove().isValid())
        update(GobangGeometry::stoneRect(m_game.lastMove(), size()).adjusted(-2, -2, 2, 2));
}

void GobangBoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked(event->position().toPoint());
}

void GobangBoardView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize panel = size();

    // The wood.
    QLinearGradient wood(0, 0, width(), height());
    wood.setColorAt(0, QColor(232, 193, 120));
    wood.setColorAt(1, QColor(212, 168, 96));
    p.fillRect(rect(), wood);
    // A faint, uneven grain (the same every time: a fixed little sequence of gaps).
    static const int gaps[] = {9, 5, 13, 7, 11, 6, 15, 8, 5, 12};
    int gap = 0;
    for (int y = 4; y < height(); y += gaps[gap++ % std::size(gaps)]) {
        p.setPen(QPen(QColor(160, 115, 50, 26 + 9 * (y % 3)), 1.2));
        p.drawLine(QPointF(0, y), QPointF(width(), y + 3 + (y % 5)));
    }

    // The lines through the intersections, a heavier one round the edge, the star points.
    const QPoint first = GobangGeometry::intersection({1, 1}, panel);
    const QPoint last = GobangGeometry::intersection({Gobang::Size, Gobang::Size}, panel);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(60, 40, 20), 1));
    for (int i = 1; i <= Gobang::Size; ++i) {
        const QPoint a = GobangGeometry::intersection({i, i}, panel);
        p.drawLine(a.x(), first.y(), a.x(), last.y());
        p.drawLine(first.x(), a.y(), last.x(), a.y());
    }
    p.setPen(QPen(QColor(60, 40, 20), 2));
    p.drawRect(QRect(first, last));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 20));
    for (int r : {4, 10, 16})
        for (int c : {4, 10, 16})
            p.drawEllipse(QPointF(GobangGeometry::intersection({r, c}, panel)), 3.0, 3.0);

    // The stones.
    for (int r = 1; r <= Gobang::Size; ++r) {
        for (int c = 1; c <= Gobang::Size; ++c) {
            const int v = m_game.board().at(r, c);
            if (v == Gobang::Empty)
                continue;
            const GobangCell cell{r, c};
            const QRectF stone = QRectF(GobangGeometry::stoneRect(cell, panel));
            const bool lit = m_blink && cell == m_game.lastMove();
            // A soft shadow under the stone.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 60));
            p.drawEllipse(stone.translated(1.5, 1.5));
            if (lit) {
                p.setBrush(HighlightViolet);
                p.setPen(QPen(QColor(150, 130, 200), 1));
            } else if (v == Gobang::Player) {
                QRadialGradient g(stone.center() - QPointF(3, 3), stone.width() * 0.7);
                g.setColorAt(0, QColor(120, 120, 120));
                g.setColorAt(1, QColor(8, 8, 8));
                p.setBrush(g);
                p.setPen(QPen(Qt::black, 1));
            } else {
                QRadialGradient g(stone.center() - QPointF(3, 3), stone.width() * 0.75);
                g.setColorAt(0, Qt::white);
                g.setColorAt(1, QColor(200, 200, 206));
                p.setBrush(g);
                p.setPen(QPen(QColor(120, 120, 126), 1));
            }
            p.drawEllipse(stone.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
}

QRect CGobangDlg::boardRect()
{
    return {12, 32, GobangBoardView::Side, GobangBoardView::Side};
}

QRect CGobangDlg::controlRect(int id)
{
    const int x = boardRect().right() + 15, w = Width - 14 - x;
    switch (id) {
    case IdLevel: return {x, 54, w, 26};
    case IdGamerFirst: return {x, 94, w, 22};
    case IdComputeFirst: return {x, 118, w, 22};
    case IdStart: return {x, 160, w, 28};
    case IdReStart: return {x, 196, w, 28};
    case IdUnDo: return {x, 232, w, 28};
    case IdClose: return {x, 268, w, 28};
    default: return {};
    }
}

CGobangDlg::CGobangDlg(QWidget* parent) : SkinnedDialog(QStringLiteral("Gobang"), HelpContext, parent)
{
    setObjectName(QStringLiteral("CGobangDlg"));
    setFixedSize(Width, Height);
    titleStrip()->closeButton()->setObjectName(idName(IdTitleClose));

    // The board and the controls at fixed places, like the dialog they come from.
    m_board = new GobangBoardView(m_game, this);
    m_board->setObjectName(idName(IdBoard));
    m_board->setGeometry(boardRect());
    // When it is not the player's turn, a click on the board drags the window.
    auto* drag = new FramelessFrame(m_board);
    drag->setPressFilter([this](const QPoint&) { return !m_game.isPlayerToMove(); });
    connect(m_board, &GobangBoardView::clicked, this, &CGobangDlg::clickBoard);

    auto* label = new QLabel(QStringLiteral("Level"), this);
    label->setGeometry(controlRect(IdLevel).translated(0, -22).adjusted(0, 0, 0, -6));
    m_level = new QComboBox(this);
    m_level->setObjectName(idName(IdLevel));
    m_level->addItems({QStringLiteral("Junior"), QStringLiteral("Senior")});
    m_level->setGeometry(controlRect(IdLevel));
    connect(m_level, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_game.setLevel(index == 1 ? GobangAi::Level::Senior : GobangAi::Level::Junior); });

    auto* gamerFirst = new QRadioButton(QStringLiteral("Gamer First"), this);
    gamerFirst->setObjectName(idName(IdGamerFirst));
    gamerFirst->setGeometry(controlRect(IdGamerFirst));
    gamerFirst->setChecked(true);
    m_computerFirst = new QRadioButton(QStringLiteral("Compute First"), this);
    m_computerFirst->setObjectName(idName(IdComputeFirst));
    m_computerFirst->setGeometry(controlRect(IdComputeFirst));

    const struct { int id; const char16_t* text; } buttons[] = {
        {IdStart, u"Start"}, {IdReStart, u"ReStart"}, {IdUnDo, u"UnDo"}, {IdClose, u"Close"}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(b.text), this);
        button->setObjectName(idName(b.id));
        button->setAutoDefault(false);
        button->setGeometry(controlRect(b.id));
        if (b.id == IdStart || b.id == IdReStart)
            connect(button, &QPushButton::clicked, this, &CGobangDlg::startGame);
        else if (b.id == IdUnDo)
            connect(button, &QPushButton::clicked, this, &CGobangDlg::undo);
        else
            connect(button, &QPushButton::clicked, this, &QDialog::reject);
    }

    m_blinkTimer.setInterval(BlinkMs);
    connect(&m_blinkTimer, &QTimer::timeout, this, [this] { m_board->setBlink(!m_board->blink()); });
    m_blinkTimer.start();
}

void CGobangDlg::startGame()
{
    m_game.start(m_computerFirst->isChecked());
    m_board->update();
}

void CGobangDlg::undo()
{
    if (m_game.undo())
        m_board->update();
}

void CGobangDlg::clickBoard(QPoint pos)
{
    const GobangGame::Result r = m_game.playerMove(GobangGeometry::cellAt(pos, m_board->size()));
    if (r.outcome == GobangGame::Outcome::Ignored)
        return;
    m_board->setBlink(false);
    m_board->repaint();
    if (r.outcome == GobangGame::Outcome::PlayerWon)
        MessageBox::tip(this, QStringLiteral("You arm congratulatory winner."));
    else if (r.outcome == GobangGame::Outcome::ComputerWon)
        MessageBox::tip(this, QStringLiteral("Sorry, computer is a congratulatory winner."));
}

void CGobangDlg::showEvent(QShowEvent* event)
{
    // Shown again after Close, the last move blinks again.
    if (!m_blinkTimer.isActive())
        m_blinkTimer.start();
    SkinnedDialog::showEvent(event);
}

void CGobangDlg::done(int result)
{
    // "Close" (either button) stops the blinking and hides the window.
    m_blinkTimer.stop();
    SkinnedDialog::done(result);
}
