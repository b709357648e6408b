#include "games/winlinez/CFivePlusDlg.h"

#include "controls/HelpViewer.h"
#include "controls/MessageBox.h"
#include "games/scores/ScoreDialogs.h"
#include "games/winlinez/CFivePlusSettingDlg.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int BallSize = 38;
constexpr int DigitWidth = 24;
constexpr int DigitHeight = 42;

// Plain stand-ins for the pictures, so a program directory without them still plays.
QPixmap plainBackground()
{
    QPixmap pm(360, 410);
    pm.fill(QColor(196, 226, 250));
    QPainter p(&pm);
    p.fillRect(QRect(0, 0, 360, 50), QColor(58, 120, 188));
    p.setPen(QColor(80, 128, 186));
    for (int i = 0; i <= 9; ++i) {
        p.drawLine(i * 40, 50, i * 40, 410);
        p.drawLine(0, 50 + i * 40, 360, 50 + i * 40);
    }
    return pm;
}

QPixmap plainBalls()
{
    const QColor colours[9] = {Qt::red, QColor(250, 160, 20), Qt::yellow, Qt::darkGreen, Qt::cyan,
                               Qt::blue, Qt::magenta, Qt::white, Qt::darkGray};
    QPixmap pm(9 * BallSize, 2 * BallSize);
    pm.fill(QColor(196, 226, 250));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 9; ++k) {
            p.setPen(row ? QPen(Qt::yellow, 3) : QPen(Qt::black));
            p.setBrush(colours[k]);
            p.drawEllipse(QRect(k * BallSize + 4, row * BallSize + 4, BallSize - 8, BallSize - 8));
        }
    return pm;
}

QPixmap plainDigits()
{
    QPixmap pm(10 * DigitWidth, DigitHeight);
    pm.fill(Qt::black);
    QPainter p(&pm);
    p.setPen(Qt::red);
    QFont f = p.font();
    f.setPixelSize(30);
    p.setFont(f);
    for (int d = 0; d < 10; ++d)
        p.drawText(QRect(d * DigitWidth, 0, DigitWidth, DigitHeight), Qt::AlignCenter, QString::number(d));
    return pm;
}

QPixmap picture(const QString& path, QPixmap (*fallback)())
{
    QPixmap pm(path);
    return pm.isNull() ? fallback() : pm;
}

} // namespace

FivePlusBoardView::FivePlusBoardView(const QString& programDir, const CFivePlusGameModel& model, const FivePlusTurn& turn,
                                     QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_turn(turn)
{
    setObjectName(QStringLiteral("board"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(360, 410);
    const QString dir = programDir + QStringLiteral("bmp/FivePlus/");
    m_background = picture(dir + QStringLiteral("BK.bmp"), plainBackground);
    m_balls = picture(dir + QStringLiteral("ALL_GRID.bmp"), plainBalls);
    m_digits = picture(dir + QStringLiteral("NUMBER.bmp"), plainDigits);
}

FiveCell FivePlusBoardView::cellAt(const QPoint& pos)
{
    if (pos.x() < 0 || pos.y() < BoardTop || pos.x() >= 9 * CellSize || pos.y() >= BoardTop + 9 * CellSize)
        return {-1, -1};
    return {pos.x() / CellSize, (pos.y() - BoardTop) / CellSize};
}

QRect FivePlusBoardView::cellRect(FiveCell cell)
{
    return {cell.col * CellSize, BoardTop + cell.row * CellSize, CellSize, CellSize};
}

void FivePlusBoardView::drawBall(QPainter& p, FiveCell cell, int kind, bool highlighted, qreal opacity) const
{
    if (kind < 1 || kind > 9)
        return;
    const QRect source((kind - 1) * BallSize, highlighted ? BallSize : 0, BallSize, BallSize);
    p.setOpacity(opacity);
    p.drawPixmap(cellRect(cell).topLeft() + QPoint(1, 1), m_balls, source);
    p.setOpacity(1.0);
}

void FivePlusBoardView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_background);

    // The score, modulo 10000, most significant digit first.
    const int shown = m_model.score() % 10000;
    for (int k = 0, divisor = 1000; k < 4; ++k, divisor /= 10)
        p.drawPixmap(QPoint(4 + 30 * k, 2), m_digits, QRect(DigitWidth * ((shown / divisor) % 10), 0, DigitWidth, DigitHeight));

    // The coming balls.
    for (int i = 0; i < 3; ++i) {
        const int k = m_model.nextBalls()[size_t(i)];
        if (k >= 1 && k <= 9)
            p.drawPixmap(QPoint(236 + 40 * i, 4), m_balls, QRect((k - 1) * BallSize, 0, BallSize, BallSize));
    }

    const FivePlusTurn::Phase phase = m_turn.phase();
    const bool moving = phase == FivePlusTurn::Phase::Moving;
    const bool fading = phase == FivePlusTurn::Phase::FadingIn || phase == FivePlusTurn::Phase::FadingOut;
    const QList<FiveCell>& route = m_model.route();
    for (int col = 0; col < 9; ++col)
        for (int row = 0; row < 9; ++row) {
            const FiveCell cell{col, row};
            const int kind = m_model.kind(cell);
            if (kind == 0)
                continue;
            // The moving ball is drawn where it runs, not yet at its target.
            if (moving && !route.isEmpty() && cell == route.last())
                continue;
            if (fading && m_turn.fadingCells().contains(cell)) {
                drawBall(p, cell, kind, false, m_turn.fadeAlpha() / 255.0);
                continue;
            }
            drawBall(p, cell, kind, false);
            if (m_model.hasSelection() && m_model.selection() == cell)
                drawBall(p, cell, kind, true, m_turn.pulseAlpha() / 255.0);
        }
    if (moving && !route.isEmpty())
        drawBall(p, route.at(std::max(0, m_turn.moveIndex())), m_model.kind(route.last()), false);
}

void FivePlusBoardView::mousePressEvent(QMouseEvent* event)
{
    const FiveCell cell = cellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && cell.col >= 0)
        Q_EMIT cellClicked(cell);
    QWidget::mousePressEvent(event);
}

CFivePlusDlg::CFivePlusDlg(const QString& programDir, quint32 seed, const TextCodec* codec, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Winlinez"), HelpContext, parent)
    , m_programDir(programDir)
    , m_model(seed)
{
    setObjectName(QStringLiteral("CFivePlusDlg"));
    m_model.load(gameFile(), codec);

    // The client area is 370 x 470: the board 5 pixels in from the left below the title
    // strip, the buttons in a row 30 pixels above the bottom.
    body()->setFixedSize(366, 446);
    m_view = new FivePlusBoardView(programDir, m_model, m_turn, body());
    m_view->move(3, 0);
    connect(m_view, &FivePlusBoardView::cellClicked, this, &CFivePlusDlg::clickCell);

    const struct {
        const char16_t* text;
        int id;
    } buttons[] = {{u"New", IdNew},     {u"Score", IdScore}, {u"Help", IdHelp},
                   {u"Setting", IdSetting}, {u"OK", IdOk},       {u"Cancel", IdCancel}};
    int x = 5;
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(b.text), body());
        button->setObjectName(QStringLiteral("id%1").arg(b.id));
        button->setGeometry(x, 418, 56, 24);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        x += 60;
        switch (b.id) {
        case IdNew: connect(button, &QPushButton::clicked, this, &CFivePlusDlg::newGame); break;
        case IdScore: connect(button, &QPushButton::clicked, this, &CFivePlusDlg::showScores); break;
        case IdHelp: connect(button, &QPushButton::clicked, this, [this] { HelpViewer::show(HelpContext, this); }); break;
        case IdSetting: connect(button, &QPushButton::clicked, this, &CFivePlusDlg::openSettings); break;
        case IdOk: connect(button, &QPushButton::clicked, this, &QDialog::accept); break;
        default: connect(button, &QPushButton::clicked, this, &QDialog::reject); break;
        }
    }
    adjustSize();
    setFixedSize(sizeHint());

    m_moveTimer.setObjectName(QStringLiteral("moveTimer"));
    m_showTimer.setObjectName(QStringLiteral("showTimer"));
    m_pulseTimer.setObjectName(QStringLiteral("pulseTimer"));
    connect(&m_moveTimer, &QTimer::timeout, this, &CFivePlusDlg::moveTick);
    connect(&m_showTimer, &QTimer::timeout, this, &CFivePlusDlg::fadeTick);
    connect(&m_pulseTimer, &QTimer::timeout, this, [this] {
        if (!m_model.hasSelection())
            return;
        m_turn.pulseTick();
        m_view->update(FivePlusBoardView::cellRect(m_model.selection()));
    });
}

CFivePlusDlg::~CFivePlusDlg()
{
    save();
}

void CFivePlusDlg::save()
{
    m_model.store(gameFile());
}

void CFivePlusDlg::showEvent(QShowEvent* event)
{
    // The pulse takes the select interval each time the window opens.
    m_pulseTimer.start(m_model.settings().selectInterval);
    SkinnedDialog::showEvent(event);
}

void CFivePlusDlg::hideEvent(QHideEvent* event)
{
    m_pulseTimer.stop();
    save();
    SkinnedDialog::hideEvent(event);
}

void CFivePlusDlg::clickCell(FiveCell cell)
{
    const int result = m_turn.click(cell);
    if (result == 2)
        m_moveTimer.start(m_model.settings().moveInterval);
    if (result != 0)
        m_view->update();
}

void CFivePlusDlg::moveTick()
{
    const FivePlusTurn::Outcome outcome = m_turn.moveTick();
    if (m_turn.phase() != FivePlusTurn::Phase::Moving) {
        m_moveTimer.stop();
        if (!m_turn.isIdle())
            m_showTimer.start(m_model.settings().showInterval);
    }
    afterTick(outcome);
}

void CFivePlusDlg::fadeTick()
{
    const FivePlusTurn::Phase before = m_turn.phase();
    const FivePlusTurn::Outcome outcome = m_turn.fadeTick();
    if (m_turn.isIdle())
        m_showTimer.stop();
    else if (m_turn.phase() != before)
        m_showTimer.start(m_model.settings().showInterval); // the fade-out after a fade-in
    afterTick(outcome);
}

void CFivePlusDlg::afterTick(FivePlusTurn::Outcome outcome)
{
    m_view->update();
    if (outcome == FivePlusTurn::Outcome::GameOver) {
        MessageBox::info(this, QStringLiteral("Game is over."));
        newGame();
    }
}

void CFivePlusDlg::newGame()
{
    m_moveTimer.stop();
    m_showTimer.stop();
    if (m_model.highScores().accepts(m_model.score())) {
        const QString name = CInputNameDlg::ask(this);
        m_model.highScores().add({m_model.score(), name});
    }
    m_model.newGame();
    m_turn.reset();
    m_view->update();
}

void CFivePlusDlg::showScores()
{
    CTopScoreDlg dlg(m_model.highScores().tableText(), this);
    dlg.exec();
}

void CFivePlusDlg::openSettings()
{
    CFivePlusSettingDlg dlg(m_model.settings(), this);
    if (dlg.exec() == QDialog::Accepted)
        m_model.setSettings(dlg.settings());
}
