#include "timekeeping/CStopWatchDlg.h"

#include "controls/CGridCtrl.h"
#include "controls/ItemFileChooser.h"
#include "controls/MessageBox.h"
#include "timekeeping/LedDigitRow.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// The stopwatch's body: 226 x 93, the LED row in a black panel and the four buttons below.
class StopWatchBody : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(29, 90, 160), 1.5));
        p.setBrush(QColor(8, 8, 8));
        p.drawRoundedRect(QRectF(1.5, 16.5, 223, 43), 5, 5);
    }
};

} // namespace

CStopWatchResultsDlg::CStopWatchResultsDlg(QWidget* parent)
    : SkinnedDialog(QStringLiteral("StopWatch - Results"), 0, parent)
{
    setObjectName(QStringLiteral("CStopWatchResultsDlg"));
    auto* layout = new QVBoxLayout(body());
    m_grid = new CGridCtrl(body());
    m_grid->setObjectName(QStringLiteral("results"));
    m_grid->setColumnCount(2);
    m_grid->setFixedRowCount(1);
    m_grid->setGridLineColour(QColor(200, 200, 200));
    m_grid->setBackgroundColour(Qt::white);
    m_grid->setFixedBkColour(Qt::white);
    m_grid->setFixedFgColour(Qt::black);
    m_grid->setEditable(false);
    m_grid->setMinimumSize(220, 180);
    layout->addWidget(m_grid, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* saveButton = button(body(), QStringLiteral("Save"), QStringLiteral("save"));
    QPushButton* hideButton = button(body(), QStringLiteral("Hide"), QStringLiteral("hide"));
    QPushButton* closeButton = button(body(), QStringLiteral("Close"), QStringLiteral("close"));
    buttons->addWidget(saveButton);
    buttons->addStretch(1);
    buttons->addWidget(hideButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    connect(saveButton, &QPushButton::clicked, this, &CStopWatchResultsDlg::save);
    connect(hideButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    setResults({});
}

void CStopWatchResultsDlg::setResults(const QStringList& times)
{
    m_times = times;
    m_grid->setRowCount(1);
    QFont header(QStringLiteral("Verdana"));
    header.setPixelSize(12);
    const QStringList titles{QStringLiteral("No."), QStringLiteral("Time")};
    for (int c = 0; c < 2; ++c) {
        m_grid->setItemText(0, c, titles[c]);
        m_grid->setItemFont(0, c, header);
        m_grid->setItemFormat(0, c, Qt::AlignCenter);
    }
    for (int i = 0; i < times.size(); ++i) {
        const int row = m_grid->insertRow(QString::number(i + 1));
        m_grid->setItemText(row, 1, times[i]);
        m_grid->setItemFormat(row, 0, Qt::AlignCenter);
        m_grid->setItemFormat(row, 1, Qt::AlignCenter);
    }
    m_grid->insertRow(); // the empty row at the bottom
    m_grid->autoSize();
    m_grid->viewport()->update();
}

void CStopWatchResultsDlg::save()
{
    const QString chosen = ItemFileChooser::saveFile(this, QString(), QString(), QStringLiteral("Text File(*.txt)|*.txt||"));
    if (chosen.isEmpty())
        return;
    if (!Stopwatch::saveResults(chosen, m_times))
        MessageBox::error(this, QStringLiteral("The results could not be saved in %1.").arg(Stopwatch::textFileName(chosen)));
}

CStopWatchDlg::CStopWatchDlg(Clock& clock, const QString& programDir, QWidget* parent)
    : SkinnedDialog(QStringLiteral("StopWatch"), 0, parent), m_watch(clock)
{
    setObjectName(QStringLiteral("CStopWatchDlg"));
    auto* face = new StopWatchBody(body());
    face->setFixedSize(226, 93);
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(face);

    m_display = new LedDigitRow(12, programDir, face);
    m_display->setObjectName(QStringLiteral("display"));
    m_display->move(5, 22);
    m_startStop = button(face, QStringLiteral("Start"), QStringLiteral("startStop"));
    m_snap = button(face, QStringLiteral("Snap"), QStringLiteral("snap"));
    m_reset = button(face, QStringLiteral("Reset"), QStringLiteral("reset"));
    QPushButton* closeButton = button(face, QStringLiteral("Close"), QStringLiteral("close"));
    const int xs[] = {7, 62, 117, 172};
    QPushButton* buttons[] = {m_startStop, m_snap, m_reset, closeButton};
    for (int i = 0; i < 4; ++i)
        buttons[i]->setGeometry(xs[i], 93 - 30, 47, 20);

    m_results = new CStopWatchResultsDlg(this);

    connect(m_startStop, &QPushButton::clicked, this, [this] { m_watch.startStop(); });
    connect(m_snap, &QPushButton::clicked, this, &CStopWatchDlg::snap);
    connect(m_reset, &QPushButton::clicked, this, [this] { m_watch.reset(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_watch, &Stopwatch::displayChanged, m_display, &LedDigitRow::setText);
    connect(&m_watch, &Stopwatch::buttonsChanged, this, &CStopWatchDlg::refreshButtons);
    connect(&m_watch, &Stopwatch::resultsChanged, this, [this] { m_results->setResults(m_watch.results()); });
    connect(&m_watch, &Stopwatch::tickingChanged, this, [this](bool on) {
        if (on)
            m_timer.start(RefreshMs);
        else
            m_timer.stop();
    });
    connect(&m_timer, &QTimer::timeout, &m_watch, &Stopwatch::tick);
    m_display->setText(m_watch.display());
    refreshButtons();
}

void CStopWatchDlg::refreshButtons()
{
    m_startStop->setText(m_watch.startStopCaption());
    m_snap->setEnabled(m_watch.canSnap());
    m_reset->setEnabled(m_watch.canReset());
}

void CStopWatchDlg::snap()
{
    if (!m_results->isVisible()) {
        placeResults();
        m_results->show();
    }
    m_watch.snap();
}

void CStopWatchDlg::placeResults()
{
    // Beside the stopwatch, on whichever side has room, so the buttons stay in reach.
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect me = frameGeometry();
    const QSize size = m_results->frameGeometry().size().expandedTo(m_results->sizeHint());
    QPoint at(me.right() + 8, me.top());
    if (at.x() + size.width() > area.right())
        at.setX(me.left() - 8 - size.width());
    at.setX(qBound(area.left(), at.x(), area.right() - size.width()));
    at.setY(qBound(area.top(), at.y(), area.bottom() - size.height()));
    m_results->move(at);
}
