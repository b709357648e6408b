#include "games/sameball/CSameBallDlg.h"

#include "controls/FramelessFrame.h"
#include "controls/MessageBox.h"
#include "controls/Skin.h"
#include "games/scores/ScoreDialogs.h"
#include "platform/Sound.h"

#include <QButtonGroup>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

SameBallView::SameBallView(const SameBallBoard& board, QWidget* parent)
    : QWidget(parent)
    , m_board(board)
{
    setObjectName(QStringLiteral("board"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void SameBallView::setSheet(const QPixmap& sheet, int cellSize)
{
    m_sheet = sheet;
    m_cell = cellSize;
    setFixedSize(SameBallBoard::Columns * cellSize, SameBallBoard::Rows * cellSize);
    update();
}

void SameBallView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    if (m_sheet.isNull()) {
        p.fillRect(rect(), QColor(20, 44, 84));
        return;
    }
    const int a = m_cell;
    auto sprite = [a](QPoint cell) { return QRect(cell.x() * a, cell.y() * a, a, a); };
    for (int row = 0; row < SameBallBoard::Rows; ++row)
        for (int col = 0; col < SameBallBoard::Columns; ++col) {
            const QRect target(col * a, row * a, a, a);
            if (!event->rect().intersects(target))
                continue;
            const int colour = m_board.ball(row, col);
            QPoint cell = SameBallBoard::emptySprite();
            if (colour != SameBallBoard::NoBall) {
                const bool hovered = m_board.hoveredGroup() > 0 && m_board.group(row, col) == m_board.hoveredGroup();
                cell = SameBallBoard::spriteCell(colour, hovered ? m_board.frame() : 0);
            }
            p.drawPixmap(target, m_sheet, sprite(cell));
        }
}

void SameBallView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    Q_EMIT hovered(pos.y() / m_cell, pos.x() / m_cell);
    QWidget::mouseMoveEvent(event);
}

void SameBallView::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && rect().contains(pos))
        Q_EMIT clicked(pos.y() / m_cell, pos.x() / m_cell);
    QWidget::mousePressEvent(event);
}

void SameBallView::leaveEvent(QEvent* event)
{
    Q_EMIT hovered(-1, -1);
    QWidget::leaveEvent(event);
}

namespace {

QPushButton* bandButton(const QString& text, int id, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QStringLiteral("id%1").arg(id));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumWidth(76);
    return b;
}

} // namespace

CSameBallDlg::CSameBallDlg(const QString& programDir, Sound& sound, quint32 seed, const TextCodec* codec, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_programDir(programDir)
    , m_sound(sound)
    , m_rand(seed)
{
    setObjectName(QStringLiteral("CSameBallDlg"));
    setWindowTitle(QStringLiteral("Same Game"));
    setWindowIcon(Skin::programIcon());
    m_top.load(programDir + QStringLiteral("SameBall.tmp"), codec);

    m_view = new SameBallView(m_board, this);
    connect(m_view, &SameBallView::hovered, this, &CSameBallDlg::hoverCell);
    connect(m_view, &SameBallView::clicked, this, &CSameBallDlg::clickCell);

    // The band below the board: the commands and sizes, then the status line. Dragging the
    // band moves the window.
    m_band = new QWidget(this);
    m_band->setObjectName(QStringLiteral("band"));
    new FramelessFrame(m_band);
    auto* bandLayout = new QVBoxLayout(m_band);
    bandLayout->setContentsMargins(8, 4, 8, 4);
    bandLayout->setSpacing(2);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    QPushButton* startButton = bandButton(QStringLiteral("Start"), IdStart, m_band);
    QPushButton* undoButton = bandButton(QStringLiteral("UnDo"), IdUndo, m_band);
    QPushButton* topButton = bandButton(QStringLiteral("TopScore"), IdTopScore, m_band);
    QPushButton* closeButton = bandButton(QStringLiteral("Close"), IdClose, m_band);
    for (QPushButton* b : {startButton, undoButton, topButton, closeButton})
        row->addWidget(b);
    row->addStretch(1);
    m_large = new QRadioButton(QStringLiteral("Large"), m_band);
    m_large->setObjectName(QStringLiteral("id%1").arg(IdLarge));
    m_medium = new QRadioButton(QStringLiteral("Medium"), m_band);
    m_medium->setObjectName(QStringLiteral("id%1").arg(IdMedium));
    m_small = new QRadioButton(QStringLiteral("Small"), m_band);
    m_small->setObjectName(QStringLiteral("id%1").arg(IdSmall));
    m_small->setEnabled(false);
    m_large->setChecked(true);
    auto* sizes = new QButtonGroup(this);
    for (QRadioButton* r : {m_large, m_medium, m_small}) {
        r->setFocusPolicy(Qt::NoFocus);
        sizes->addButton(r);
        row->addWidget(r);
    }
    bandLayout->addLayout(row);
    m_status = new QLabel(m_band);
    m_status->setObjectName(QStringLiteral("id%1").arg(IdStatus));
    QFont statusFont = m_status->font();
    statusFont.setPixelSize(12);
    m_status->setFont(statusFont);
    bandLayout->addWidget(m_status);

    connect(startButton, &QPushButton::clicked, this, &CSameBallDlg::start);
    connect(undoButton, &QPushButton::clicked, this, &CSameBallDlg::undo);
    connect(topButton, &QPushButton::clicked, this, &CSameBallDlg::showTopScore);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_timer.setObjectName(QStringLiteral("animationTimer"));
    m_timer.setInterval(60);
    connect(&m_timer, &QTimer::timeout, this, &CSameBallDlg::animate);

    // Until the first Start, the large board's size, empty.
    m_view->setSheet(QPixmap(), cellSizeOf(Size::Large));
    layoutBand();
    updateStatus();
    centreOnDesktop();
}

void CSameBallDlg::centreOnDesktop()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

CSameBallDlg::~CSameBallDlg() = default;

int CSameBallDlg::cellSizeOf(Size size)
{
    switch (size) {
    case Size::Large: return 64;
    case Size::Medium: return 48;
    case Size::Small: return 32;
    }
    return 32;
}

CSameBallDlg::Size CSameBallDlg::chosenSize() const
{
    if (m_medium->isChecked())
        return Size::Medium;
    if (m_small->isChecked())
        return Size::Small;
    return Size::Large;
}

void CSameBallDlg::layoutBand()
{
    // The window is 15 a + 3 wide and 11 a + 3 high: the board, then the band.
    const int a = m_view->cellSize();
    const QSize size(SameBallBoard::Columns * a + 3, (SameBallBoard::Rows + 1) * a + 3);
    m_view->move(0, 0);
    m_band->setGeometry(0, SameBallBoard::Rows * a, size.width(), a + 3);
    setFixedSize(size);
}

void CSameBallDlg::start()
{
    const Size size = chosenSize();
    const int number = int(size) + 1;
    const QPixmap sheet(m_programDir + QStringLiteral("bmp/SameBall/bitmap%1.bmp").arg(number));
    if (sheet.isNull()) {
        MessageBox::error(this, QStringLiteral("The File is not existed."));
        m_timer.stop();
        hide();
        return;
    }
    m_view->setSheet(sheet, cellSizeOf(size));
    layoutBand();
    centreOnDesktop();
    if (!m_music) {
        const QString dir = m_programDir + QStringLiteral("Sound/SameBall/");
        m_music = m_sound.clip(dir + QStringLiteral("BkMusic.wav"));
        m_kill = m_sound.clip(dir + QStringLiteral("kill.wav"));
        m_active = m_sound.clip(dir + QStringLiteral("active.wav"));
        m_gameOver = m_sound.clip(dir + QStringLiteral("gameover.wav"));
    }
    if (!m_musicOn) {
        m_music->play(true);
        m_musicOn = true;
    }
    m_board.newBoard(m_rand);
    m_started = true;
    m_timer.start();
    updateStatus();
    m_view->update();
}

void CSameBallDlg::updateStatus()
{
    m_status->setText(m_board.statusText());
}

void CSameBallDlg::hoverCell(int row, int col)
{
    if (!m_started)
        return;
    const SameBallBoard::Hover h = m_board.hover(row, col);
    if (h.activated && m_active)
        m_active->play();
    if (h.changed) {
        updateStatus();
        m_view->update();
    }
}

void CSameBallDlg::clickCell(int row, int col)
{
    if (!m_started)
        return;
    const SameBallBoard::Removal r = m_board.click(row, col);
    if (!r.removed)
        return;
    if (m_kill)
        m_kill->play();
    updateStatus();
    m_view->update();
    if (r.over) {
        gameOver();
        return;
    }
    // The groups were numbered anew: show the one now under the mouse.
    const QPoint pos = m_view->mapFromGlobal(QCursor::pos());
    if (m_view->rect().contains(pos))
        hoverCell(pos.y() / m_view->cellSize(), pos.x() / m_view->cellSize());
}

void CSameBallDlg::gameOver()
{
    if (m_gameOver)
        m_gameOver->play();
    m_board.setBusy(true);
    const qint32 finalScore = m_board.score();
    SameBallTopList::Result result;
    if (m_top.placeFor(finalScore) > 0) {
        const QString name = CSameBallNameDlg::ask(this);
        result = m_top.enter(finalScore, name);
        m_top.store(m_programDir + QStringLiteral("SameBall.tmp"));
    }
    CScoreListDlg list(m_top, result.slot, result.message(), this);
    list.exec();
    start();
}

void CSameBallDlg::undo()
{
    if (m_board.undo()) {
        updateStatus();
        m_view->update();
    }
}

void CSameBallDlg::showTopScore()
{
    const SameBallTopList::Entry first = m_top.read(1);
    if (first.name == QStringLiteral("Error") && first.score == 0) {
        MessageBox::info(this, QStringLiteral("There is an error!"));
        return;
    }
    CScoreListDlg list(m_top, 0, QString(), this);
    list.exec();
}

void CSameBallDlg::animate()
{
    if (m_board.hoveredGroup() <= 0)
        return;
    m_board.tick();
    m_view->update();
}

void CSameBallDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        // The first time the window opens, a game is ready.
        QMetaObject::invokeMethod(this, [this] {
            if (isVisible() && !m_started)
                start();
        }, Qt::QueuedConnection);
        return;
    }
    m_timer.start();
    // The music plays while the window is open.
    if (m_music && !m_musicOn) {
        m_music->play(true);
        m_musicOn = true;
    }
}

void CSameBallDlg::hideEvent(QHideEvent* event)
{
    m_timer.stop();
    if (m_music && m_musicOn) {
        m_music->stop();
        m_musicOn = false;
    }
    QDialog::hideEvent(event);
}

void CSameBallDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter never presses a button; Escape closes the window like Close.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSameBallDlg::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const int top = SameBallBoard::Rows * m_view->cellSize();
    p.setPen(QColor(29, 90, 160));
    p.drawLine(0, top, width(), top);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
