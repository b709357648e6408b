#include "games/tetris/CTetrisDlg.h"

#include "controls/FramelessFrame.h"
#include "controls/MessageBox.h"
#include "games/tetris/CTetrisSettingDlg.h"
#include "platform/Platform.h"
#include "platform/VirtualKeys.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

using namespace Tetris;

namespace {

struct BlockColours
{
    QColor main, light, dark;
};

const BlockColours Colours[Kinds] = {
    {{189, 0, 0}, {255, 0, 0}, {132, 0, 0}},
    {{0, 190, 0}, {0, 255, 0}, {0, 130, 0}},
    {{0, 0, 189}, {0, 0, 255}, {0, 0, 132}},
    {{115, 113, 115}, {156, 154, 156}, {74, 77, 74}},
    {{189, 190, 0}, {255, 255, 0}, {132, 130, 0}},
    {{189, 0, 189}, {255, 0, 255}, {132, 0, 132}},
    {{0, 190, 189}, {0, 255, 255}, {0, 130, 132}},
};

constexpr int FieldMarginX = 15, FieldTop = 30, FieldBottomMargin = 42;
constexpr int LabelX = 325, MainValueRight = 395, SecondValueLeft = 315;
constexpr int LabelY[3] = {290, 370, 450};
constexpr int ValueY[3] = {320, 400, 480};

// A bevelled frame of `width` pixels around `inner`, lit from the top left: it looks
// pressed into the field.
void drawBevel(QPainter& p, const QRect& inner, int width)
{
    const QColor shades[] = {{96, 96, 104}, {140, 140, 150}, {196, 196, 206}};
    const QColor lights[] = {{238, 238, 244}, {190, 190, 200}, {120, 120, 128}};
    const int bands = 3;
    const int band = width / bands;
    for (int i = 0; i < bands; ++i) {
        const QRect r = inner.adjusted(-(width - i * band), -(width - i * band), width - i * band, width - i * band);
        // Top and left in shadow, bottom and right in light: a sunken well.
        p.fillRect(QRect(r.left(), r.top(), r.width(), band), shades[i]);
        p.fillRect(QRect(r.left(), r.top(), band, r.height()), shades[i]);
        p.fillRect(QRect(r.left(), r.bottom() - band + 1, r.width(), band), lights[i]);
        p.fillRect(QRect(r.right() - band + 1, r.top() + band, band, r.height() - band), lights[i]);
    }
}

} // namespace

CTetrisDlg::CTetrisDlg(const QString& programDir, Platform& platform, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Tetris"), HelpContext, parent), m_programDir(programDir)
{
    setObjectName(QStringLiteral("CTetrisDlg"));
    setFixedSize(Width, Height);
    setFocusPolicy(Qt::StrongFocus);
    new FramelessFrame(this); // a left click anywhere drags the window

    TetrisSettings settings;
    settings.load(m_programDir + TetrisSettings::fileName());
    m_game = new TetrisGame(std::make_unique<QtGravityTimer>(), std::make_unique<QtGravityTimer>(),
                            quint32(platform.clock->tickMs()), this);
    m_game->setSettings(settings);
    connect(m_game, &TetrisGame::changed, this, qOverload<>(&QWidget::update));
    connect(m_game, &TetrisGame::gameOver, this, &CTetrisDlg::showGameOver, Qt::QueuedConnection);

    // The buttons below the field; none takes the focus, so every key reaches the game.
    const struct { int id; const char16_t* text; } buttons[] = {
        {IdStart, u"Start"}, {IdSetting, u"Setting"}, {IdClose, u"Close"}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(b.text), this);
        button->setObjectName(QStringLiteral("id%1").arg(b.id));
        button->setGeometry(buttonRect(b.id));
        button->setAutoDefault(false);
        if (b.id == IdStart)
            connect(button, &QPushButton::clicked, this, &CTetrisDlg::startGame);
        else if (b.id == IdSetting)
            connect(button, &QPushButton::clicked, this, &CTetrisDlg::openSettings);
        else
            connect(button, &QPushButton::clicked, this, &QDialog::reject);
    }
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        button->setFocusPolicy(Qt::NoFocus);
}

QRect CTetrisDlg::boardRect(int side)
{
    return side == TetrisSettings::Main ? QRect(430, 170, 250, 450) : QRect(30, 170, 250, 450);
}

QRect CTetrisDlg::previewRect(int side)
{
    return side == TetrisSettings::Main ? QRect(495, 60, 120, 70) : QRect(95, 60, 120, 70);
}

QRect CTetrisDlg::buttonRect(int id)
{
    const int w = 90, h = 26, gap = 16;
    const int index = id == IdStart ? 0 : id == IdSetting ? 1 : 2;
    const int x = (Width - (3 * w + 2 * gap)) / 2 + index * (w + gap);
    return {x, Height - FieldBottomMargin + (FieldBottomMargin - h) / 2, w, h};
}

void CTetrisDlg::startGame()
{
    m_game->start();
    activateWindow();
    setFocus();
    update();
}

void CTetrisDlg::openSettings()
{
    CTetrisSettingDlg dialog(m_game->settings(), this);
    dialog.centreOnDesktop();
    if (dialog.exec() == QDialog::Accepted) {
        const TetrisSettings settings = dialog.settings();
        m_game->setSettings(settings);
        settings.store(m_programDir + TetrisSettings::fileName());
    }
    setFocus();
    update();
}

void CTetrisDlg::showGameOver()
{
    MessageBox::info(this, QStringLiteral("end."));
}

bool CTetrisDlg::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int vk = VirtualKeys::fromQtKey(key->key(), key->modifiers() & Qt::KeypadModifier);
        if (m_game->pressKey(vk)) {
            event->accept();
            return true;
        }
        // Enter, Escape and Space never press a button or close the window.
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Space:
            event->accept();
            return true;
        default:
            break;
        }
    }
    return SkinnedDialog::event(event);
}

void CTetrisDlg::paintEvent(QPaintEvent* event)
{
    SkinnedDialog::paintEvent(event);
    QPainter p(this);
    drawField(p);
    for (int side : {TetrisSettings::Second, TetrisSettings::Main})
        drawPlayer(p, side);
}

void CTetrisDlg::drawBlock(QPainter& p, QPoint at, int kind)
{
    const BlockColours& c = Colours[kind];
    const int x = at.x(), y = at.y();
    // Black, then the light square without its last two columns and rows (the gap to the
    // next block), the main colour inside it, and a dark edge on its right and bottom.
    p.fillRect(QRect(x, y, CellSize, CellSize), Qt::black);
    p.fillRect(QRect(x, y, CellSize - 2, CellSize - 2), c.light);
    p.fillRect(QRect(x + 2, y + 2, CellSize - 2 - 3, CellSize - 2 - 3), c.main);
    p.fillRect(QRect(x + CellSize - 3, y + 1, 1, CellSize - 3), c.dark);
    p.fillRect(QRect(x + 1, y + CellSize - 3, CellSize - 3, 1), c.dark);
}

void CTetrisDlg::drawField(QPainter& p)
{
    p.fillRect(QRect(FieldMarginX, FieldTop, width() - 2 * FieldMarginX, height() - FieldTop - FieldBottomMargin), Qt::black);
    for (int side : {TetrisSettings::Second, TetrisSettings::Main}) {
        const QRect board = boardRect(side);
        drawBevel(p, board, 6);
        p.fillRect(board, Qt::black);
        // A faint grid, so the eye finds the columns.
        p.setPen(QColor(22, 22, 30));
        for (int c = 1; c < Columns; ++c)
            p.drawLine(board.left() + c * CellSize - 1, board.top(), board.left() + c * CellSize - 1, board.bottom());
        for (int r = 1; r < Rows; ++r)
            p.drawLine(board.left(), board.top() + r * CellSize - 1, board.right(), board.top() + r * CellSize - 1);
        const QRect preview = previewRect(side);
        drawBevel(p, preview, 3);
        p.fillRect(preview, Qt::black);
    }
    QFont font = this->font();
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::yellow);
    const QString labels[3] = {QStringLiteral("Down:"), QStringLiteral("Counteract:"), QStringLiteral("Score:")};
    for (int i = 0; i < 3; ++i)
        p.drawText(QRect(LabelX, LabelY[i], 120, 20), Qt::AlignLeft | Qt::AlignTop, labels[i]);
}

void CTetrisDlg::drawPlayer(QPainter& p, int side)
{
    const TetrisPlayer& player = m_game->player(side);
    const QRect board = boardRect(side);
    p.save();
    p.setClipRect(board);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            if (const int kind = player.board.kindAt(c, r); kind >= 0)
                drawBlock(p, board.topLeft() + QPoint(c * CellSize, r * CellSize), kind);
    if (player.piece)
        for (QPoint b : player.piece->blocks())
            if (b.y() >= 0)
                drawBlock(p, board.topLeft() + QPoint(b.x() * CellSize, b.y() * CellSize), player.piece->kind());
    p.restore();

    if (player.next) {
        const QRect preview = previewRect(side);
        const QPoint origin = preview.topLeft() - QPoint(90, 10);
        for (QPoint b : player.next->blocks())
            drawBlock(p, origin + QPoint(b.x() * CellSize, b.y() * CellSize), player.next->kind());
    }
    if (player.playing || side == TetrisSettings::Main)
        drawCounters(p, side);
}

void CTetrisDlg::drawCounters(QPainter& p, int side)
{
    const TetrisPlayer& player = m_game->player(side);
    const qint32 values[3] = {player.down, player.lines, player.score};
    for (int i = 0; i < 3; ++i) {
        const QString text = QString::asprintf("%4d", values[i]);
        if (side == TetrisSettings::Main)
            p.drawText(QRect(MainValueRight - 120, ValueY[i], 120, 20), Qt::AlignRight | Qt::AlignTop, text);
        else
            p.drawText(QRect(SecondValueLeft, ValueY[i], 120, 20), Qt::AlignLeft | Qt::AlignTop, text);
    }
}
