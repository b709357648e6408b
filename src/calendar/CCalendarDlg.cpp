#include "calendar/CCalendarDlg.h"

#include "calendar/MonthView.h"
#include "controls/CGridCtrl.h"
#include "controls/HelpViewer.h"
#include "controls/MessageBox.h"
#include "controls/PopupMenu.h"
#include "controls/Skin.h"
#include "platform/Platform.h"
#include "timekeeping/CCartoonClock.h"
#include "timekeeping/CNumberClock.h"
#include "timekeeping/CPointerClock.h"
#include "timekeeping/CStopWatchDlg.h"
#include "timekeeping/CalibrateTimeGroup.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

namespace {

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

CCalendarDlg::CCalendarDlg(const QString& programDir, Platform& platform, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Calendar"), HelpContext, parent)
    , m_programDir(programDir)
    , m_platform(platform)
    , m_time(*platform.clock)
{
    setObjectName(QStringLiteral("CCalendarDlg"));
    // A window of its own with a task-bar button, owned by the panel.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    buildControls();

    connect(&m_time, &CalendarTime::nowTextChanged, m_now, &QLabel::setText);
    connect(&m_time, &CalendarTime::upTimeChanged, m_sysTime, &QLabel::setText);
    connect(&m_time, &CalendarTime::pickerValueChanged, this, &CCalendarDlg::setPicker);
    connect(&m_time, &CalendarTime::zoneLabelChanged, this, &CCalendarDlg::selectZoneChoice);
    connect(&m_time, &CalendarTime::trayChanged, this, &CCalendarDlg::showTray);
    connect(&m_time, &CalendarTime::todayChanged, this, [this](const QDate& date) {
        m_monthView->setToday(date);
        m_monthView->setSelectedDate(date);
    });
    connect(&m_time, &CalendarTime::todayMarkSet, m_monthView, &MonthView::setToday);
    connect(&m_time, &CalendarTime::timeChanged, this, &CCalendarDlg::refreshWorldTimes);
    connect(&m_calibration->client(), &TimeServerClient::todayDateChanged, m_monthView, &MonthView::setToday);
    connect(&m_calibration->client(), &TimeServerClient::clockSet, &m_time, &CalendarTime::clockWasSet);

    // The clock refresh (timer 1), then the tray-and-zone refresh; the world times (timer 11).
    m_time.open();
    m_clockTimer.setInterval(CalendarTime::RefreshMs);
    connect(&m_clockTimer, &QTimer::timeout, &m_time, &CalendarTime::clockRefresh);
    m_clockTimer.start();
    m_worldTimer.setInterval(CalendarTime::RefreshMs);
    connect(&m_worldTimer, &QTimer::timeout, this, &CCalendarDlg::refreshWorldTimes);
    m_worldTimer.start();

    loadZones();
    m_calibration->setUp();
}

CCalendarDlg::~CCalendarDlg()
{
    m_clockTimer.stop();
    m_worldTimer.stop();
    if (m_tray)
        m_tray->hide();
}

CPointerClock* CCalendarDlg::pointerClock() const { return m_pointerClock; }
CNumberClock* CCalendarDlg::numberClock() const { return m_numberClock; }
CCartoonClock* CCalendarDlg::cartoonClock() const { return m_cartoonClock; }
CStopWatchDlg* CCalendarDlg::stopwatch() const { return m_stopwatch; }

void CCalendarDlg::buildControls()
{
    auto* layout = new QGridLayout(body());
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setHorizontalSpacing(10);

    auto* left = new QVBoxLayout;
    m_monthView = new MonthView(body());
    left->addWidget(m_monthView);
    auto* pickerRow = new QHBoxLayout;
    m_picker = new QDateTimeEdit(body());
    m_picker->setObjectName(QStringLiteral("picker"));
    m_picker->setLocale(QLocale::c());
    m_picker->setDisplayFormat(QStringLiteral("HH:mm:ss dddd MMMM dd, yyyy"));
    m_picker->setDateTimeRange(QDateTime(QDate(1970, 1, 2), QTime(0, 0)), QDateTime(QDate(2037, 12, 31), QTime(23, 59, 59)));
    m_picker->setToolTip(QStringLiteral("The date and time \"Update\" sets the computer's clock to."));
    pickerRow->addWidget(m_picker, 1);
    QPushButton* update = button(body(), QStringLiteral("Update"), QStringLiteral("update"));
    pickerRow->addWidget(update);
    left->addLayout(pickerRow);
    m_now = new QLabel(body());
    m_now->setObjectName(QStringLiteral("now"));
    m_sysTime = new QLabel(body());
    m_sysTime->setObjectName(QStringLiteral("systime"));
    m_sysTime->setWordWrap(true);
    left->addWidget(m_now);
    left->addWidget(m_sysTime);
    layout->addLayout(left, 0, 0);

    m_calibration = new CalibrateTimeGroup(*m_platform.clock, *m_platform.network, body());
    m_calibration->setMinimumWidth(260);
    layout->addWidget(m_calibration, 0, 1);

    auto* zoneRow = new QHBoxLayout;
    auto* zoneLabel = new QLabel(QStringLiteral("World Time:"), body());
    m_zoneChoice = new QComboBox(body());
    m_zoneChoice->setObjectName(QStringLiteral("zones"));
    m_zoneChoice->addItems(WorldTime::zoneChoices());
    m_zoneChoice->setMaxVisibleItems(16);
    QPushButton* add = button(body(), QStringLiteral("Add"), QStringLiteral("add"));
    QPushButton* remove = button(body(), QStringLiteral("Delete"), QStringLiteral("delete"));
    zoneRow->addWidget(zoneLabel);
    zoneRow->addWidget(m_zoneChoice, 1);
    zoneRow->addWidget(add);
    zoneRow->addWidget(remove);
    layout->addLayout(zoneRow, 1, 0, 1, 2);

    m_grid = new CGridCtrl(body());
    m_grid->setObjectName(QStringLiteral("worldTime"));
    m_grid->setColumnCount(4);
    m_grid->setFixedRowCount(1);
    m_grid->setGridLineColour(Qt::white);
    m_grid->setBackgroundColour(Qt::white);
    m_grid->setFixedBkColour(Qt::white);
    m_grid->setFixedFgColour(Qt::black);
    m_grid->setDefaultBkColour(QColor(220, 220, 255));
    m_grid->setDefaultFgColour(Qt::black);
    m_grid->setEditable(false);
    m_grid->setMinimumHeight(140);
    layout->addWidget(m_grid, 2, 0, 1, 2);
    layout->setRowStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* clock = button(body(), QStringLiteral("Clock"), QStringLiteral("clock"));
    QPushButton* stopwatch = button(body(), QStringLiteral("Stopwatch"), QStringLiteral("stopwatch"));
    QPushButton* help = button(body(), QStringLiteral("Help"), QStringLiteral("help"));
    QPushButton* close = button(body(), QStringLiteral("Close"), QStringLiteral("close"));
    buttons->addWidget(clock);
    buttons->addWidget(stopwatch);
    buttons->addStretch(1);
    buttons->addWidget(help);
    buttons->addWidget(close);
    layout->addLayout(buttons, 3, 0, 1, 2);

    connect(update, &QPushButton::clicked, &m_time, &CalendarTime::update);
    connect(m_picker, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& value) {
        if (!m_settingPicker)
            m_time.pickerEdited(value);
    });
    connect(add, &QPushButton::clicked, this, &CCalendarDlg::addZone);
    connect(remove, &QPushButton::clicked, this, &CCalendarDlg::deleteZones);
    connect(clock, &QPushButton::clicked, this, &CCalendarDlg::showClockMenu);
    connect(stopwatch, &QPushButton::clicked, this, &CCalendarDlg::openStopwatch);
    connect(help, &QPushButton::clicked, this, [this] { HelpViewer::show(HelpContext, this); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    m_tray = new QSystemTrayIcon(this);
    m_tray->setObjectName(QStringLiteral("calendarTray"));
}

void CCalendarDlg::setPicker(const QDateTime& value)
{
    m_settingPicker = true;
    m_picker->setDateTime(value);
    m_settingPicker = false;
}

void CCalendarDlg::selectZoneChoice(const QString& label)
{
    m_zoneChoice->setCurrentIndex(WorldTime::choiceFor(label));
}

void CCalendarDlg::showTray(int day, const QString& tip)
{
    m_trayDay = day;
    m_trayIconFile = m_programDir + QStringLiteral("ico/Day/%1.png").arg(day);
    const QIcon icon = QFile::exists(m_trayIconFile) ? QIcon(m_trayIconFile) : Skin::programIcon();
    m_tray->setIcon(icon);
    m_tray->setToolTip(tip);
    m_tray->show();
}

void CCalendarDlg::showClockMenu()
{
    PopupMenu menu(this);
    menu.addItem(PointerClockCommand, QStringLiteral("Pointer Clock"));
    menu.addItem(NumberClockCommand, QStringLiteral("Number Clock"));
    menu.addItem(CartoonClockCommand, QStringLiteral("Cartoon Clock"));
    openClock(menu.exec(m_platform.desktop->cursorPos()));
}

void CCalendarDlg::openClock(int command)
{
    QWidget* clock = nullptr;
    switch (command) {
    case PointerClockCommand:
        if (!m_pointerClock)
            m_pointerClock = new CPointerClock(*m_platform.clock, *m_platform.desktop, this);
        clock = m_pointerClock;
        break;
    case NumberClockCommand:
        if (!m_numberClock)
            m_numberClock = new CNumberClock(*m_platform.clock, *m_platform.desktop, m_programDir, this);
        clock = m_numberClock;
        break;
    case CartoonClockCommand:
        if (!m_cartoonClock)
            m_cartoonClock = new CCartoonClock(*m_platform.clock, m_programDir, this);
        clock = m_cartoonClock;
        break;
    default:
        return;
    }
    clock->show();
    clock->raise();
}

void CCalendarDlg::openStopwatch()
{
    if (!m_stopwatch) {
        m_stopwatch = new CStopWatchDlg(*m_platform.clock, m_programDir, this);
        m_stopwatch->centreOnDesktop();
    }
    m_stopwatch->show();
    m_stopwatch->raise();
    m_stopwatch->activateWindow();
}

void CCalendarDlg::loadZones()
{
    m_zones.clear();
    const DataFile::LoadStatus status = m_zones.load(m_programDir + ZoneList::fileName());
    rebuildGrid();
    if (status == DataFile::LoadStatus::Loaded) {
        storeZones();
        refreshWorldTimes();
    }
}

void CCalendarDlg::storeZones()
{
    m_zones.store(m_programDir + ZoneList::fileName());
}

void CCalendarDlg::rebuildGrid()
{
    m_grid->setRowCount(1);
    QFont header(QStringLiteral("Tahoma"));
    header.setPixelSize(12);
    const QStringList titles{QStringLiteral("Record No."), QStringLiteral("Time Zone"), QStringLiteral("Date and Time"),
                             QStringLiteral("Remark")};
    for (int c = 0; c < titles.size(); ++c) {
        m_grid->setItemText(0, c, titles[c]);
        m_grid->setItemFont(0, c, header);
    }
    const QList<ZoneRecord>& records = m_zones.records();
    for (int k = 1; k <= records.size(); ++k) {
        const ZoneRecord& r = records[k - 1];
        const int row = m_grid->insertRow(QString::number(k));
        m_grid->setItemText(row, 1, r.name);
        m_grid->setItemText(row, 2, WorldTime::zoneTime(r.offset, m_platform.clock->now()));
        m_grid->setItemText(row, 3, WorldTime::remark(r.name));
    }
    m_grid->insertRow(); // the empty row at the bottom
    m_grid->setAllFormat(Qt::AlignHCenter | Qt::AlignVCenter);
    m_grid->autoSize();
    m_grid->viewport()->update();
}

void CCalendarDlg::refreshWorldTimes()
{
    const qint64 now = m_platform.clock->now();
    const QList<ZoneRecord>& records = m_zones.records();
    for (int k = 1; k <= records.size() && k < m_grid->rowCount(); ++k) {
        const ZoneRecord& r = records[k - 1];
        const QString shown = m_grid->itemText(k, 1);
        if (shown == r.name && shown.size() > 1)
            m_grid->setItemText(k, 2, WorldTime::zoneTime(r.offset, now));
    }
}

void CCalendarDlg::addZone()
{
    const QString choice = m_zoneChoice->currentIndex() >= 0 ? m_zoneChoice->currentText() : QString();
    // The new zone goes right after the record whose row holds the current cell.
    const CGridCtrl::Cell current = m_grid->focusCell();
    const int after = current.row >= 1 && !m_grid->itemText(current.row, 0).isEmpty() ? current.row : 0;
    switch (m_zones.add(choice, after)) {
    case ZoneList::AddResult::NothingSelected:
        MessageBox::error(this, QStringLiteral("Please select the Time Zone"));
        return;
    case ZoneList::AddResult::TooShort:
        return;
    case ZoneList::AddResult::Duplicate:
        MessageBox::error(this, QStringLiteral("The selected Time Zone is already existed."));
        return;
    case ZoneList::AddResult::Added:
        break;
    }
    rebuildGrid();
    storeZones();
    refreshWorldTimes();
}

void CCalendarDlg::deleteZones()
{
    QList<int> numbers;
    const int emptyRow = m_grid->rowCount() - 1;
    for (int row : m_grid->selectedRows())
        if (row >= 1 && row != emptyRow)
            numbers.append(m_grid->itemText(row, 0).toInt());
    if (numbers.isEmpty()) {
        MessageBox::error(this, QStringLiteral("Please choose the Time Zeno item to be deleted."));
        return;
    }
    m_zones.removeNumbers(numbers);
    rebuildGrid();
    storeZones();
    refreshWorldTimes();
}
