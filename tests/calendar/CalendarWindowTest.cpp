// The calendar window on a fake clock, desktop and network, in chosen time zones.
#include "calendar/CCalendarDlg.h"
#include "calendar/MonthView.h"
#include "controls/CGridCtrl.h"
#include "controls/HelpViewer.h"
#include "controls/MessageBox.h"
#include "controls/PopupMenu.h"
#include "support/FakePlatform.h"
#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"
#include "support/TestWait.h"
#include "support/TimeServers.h"
#include "timekeeping/CCartoonClock.h"
#include "timekeeping/CNumberClock.h"
#include "timekeeping/CPointerClock.h"
#include "timekeeping/CStopWatchDlg.h"
#include "timekeeping/CalibrateTimeGroup.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSystemTrayIcon>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

qint64 utc(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone::utc()).toSecsSinceEpoch();
}

QString programDirWithArt(const TempDir& dir)
{
    // The pictures the build draws, the data files the test's own.
    const QString bin = qEnvironmentVariable("QUILLORA_BIN_DIR") + QLatin1Char('/');
    QDir().mkpath(dir.file(QStringLiteral("ico/Day")));
    for (int day = 1; day <= 31; ++day)
        QFile::copy(bin + QStringLiteral("ico/Day/%1.png").arg(day), dir.file(QStringLiteral("ico/Day/%1.png").arg(day)));
    return dir.path();
}

QByteArray zoneFile(const QList<ZoneRecord>& records)
{
    TempDir scratch;
    ZoneList list;
    for (const ZoneRecord& r : records)
        list.add(r.name);
    list.store(scratch.file(QStringLiteral("z")));
    return scratch.read(QStringLiteral("z"));
}

class CalendarWindow : public ::testing::Test
{
protected:
    FakePlatform fake;
    TempDir dir;
    std::unique_ptr<ScopedTimeZone> zone;
    std::unique_ptr<CCalendarDlg> dlg;

    void SetUp() override
    {
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
        HelpViewer::setTestMode(true);
        PopupMenu::setNextChoice(-1);
    }
    void TearDown() override
    {
        dlg.reset();
        MessageBox::setTestMode(false);
    }
    void open(const char* tz, qint64 now)
    {
        dlg.reset();
        zone.reset(); // the previous zone restores the test's own first
        zone = std::make_unique<ScopedTimeZone>(tz);
        fake.clock().setNow(now);
        dlg = std::make_unique<CCalendarDlg>(programDirWithArt(dir), fake.platform());
    }
    QPushButton* button(const char* name) { return dlg->body()->findChild<QPushButton*>(QLatin1String(name)); }
    QString label(const char* name) { return dlg->findChild<QLabel*>(QLatin1String(name))->text(); }
    CGridCtrl* grid() { return dlg->grid(); }
    QStringList column(int c)
    {
        QStringList out;
        for (int r = 0; r < grid()->rowCount(); ++r)
            out << grid()->itemText(r, c);
        return out;
    }
    void add(int choice)
    {
        dlg->zoneChoice()->setCurrentIndex(choice);
        button("add")->click();
    }
    void selectRows(const QList<int>& rows)
    {
        grid()->clearSelection();
        for (int r : rows)
            grid()->selectionModel()->select(grid()->model()->index(r, 1), QItemSelectionModel::Select);
    }
};

// Opening in a zone of +8 hours at 23:59:58 on 1 July 2021.
TEST_F(CalendarWindow, OpeningShowsTheTimeTheZoneAndTheTray)
{
    fake.clock().setTickMs(90 * 60000 + 5);
    open("Asia/Shanghai", utc(2021, 7, 1, 15, 59, 58));
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Calendar"));
    EXPECT_EQ(dlg->helpContext(), 10017);
    EXPECT_EQ(label("now"), QStringLiteral("23:59:58, Thursday, July 01, 2021"));
    EXPECT_EQ(label("systime"), QStringLiteral("The computer has run since 1 hours and 30 minutes ago."));
    EXPECT_EQ(dlg->picker()->displayFormat(), QStringLiteral("HH:mm:ss dddd MMMM dd, yyyy"));
    EXPECT_EQ(dlg->picker()->dateTime(), QDateTime(QDate(2021, 7, 1), QTime(23, 59, 58)));
    EXPECT_EQ(dlg->picker()->text(), QStringLiteral("23:59:58 Thursday July 01, 2021"));
    // The first "GMT+8:" zone is selected.
    EXPECT_EQ(dlg->zoneChoice()->currentText(), QStringLiteral("GMT+8:Beijing,Chongqing,Shanghai,Hong Kong"));
    // The month view: its range, and today marked and selected.
    EXPECT_EQ(dlg->monthView()->minimumDate(), QDate(1970, 1, 1));
    EXPECT_EQ(dlg->monthView()->maximumDate(), QDate(2037, 1, 1));
    EXPECT_EQ(dlg->monthView()->today(), QDate(2021, 7, 1));
    EXPECT_EQ(dlg->monthView()->selectedDate(), QDate(2021, 7, 1));
    // The tray icon: day 1 and its tool tip.
    EXPECT_EQ(dlg->trayDay(), 1);
    EXPECT_TRUE(dlg->trayIconFile().endsWith(QStringLiteral("ico/Day/1.png")));
    EXPECT_TRUE(QFile::exists(dlg->trayIconFile()));
    EXPECT_EQ(dlg->trayIcon()->toolTip(), QStringLiteral("Thursday, July 01, 2021"));
    // No "TimeZone.tmp": the header and one empty row, and no file made.
    EXPECT_EQ(column(0), (QStringList{QStringLiteral("Record No."), QString()}));
    EXPECT_EQ(grid()->itemText(0, 3), QStringLiteral("Remark"));
    EXPECT_FALSE(dir.exists(ZoneList::fileName()));
    // The calibration group is set up.
    EXPECT_EQ(dlg->calibration()->log()->toPlainText(), QStringLiteral("\n\n\tConnecte to internet by LAN."));
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
}

TEST_F(CalendarWindow, ZoneListFollowsTheLocalStandardOffset)
{
    const struct { const char* tz; int index; } cases[] = {
        {"America/St_Johns", 12}, // -3 h 30 min: "GMT-3.30:Newfoundland,"
        {"UTC", 17},              // "GMT:London,Dublin,Edinburgh"
        {"Pacific/Kwajalein", 52}, // +12 h: the first of the two
        {"Pacific/Kiritimati", -1}, // +14 h: none
    };
    for (const auto& c : cases) {
        open(c.tz, utc(2021, 7, 1, 12, 0, 0));
        EXPECT_EQ(dlg->zoneChoice()->currentIndex(), c.index) << c.tz;
    }
    // Nothing selected: "Add" says so.
    button("add")->click();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, QStringLiteral("Please select the Time Zone"));
    EXPECT_EQ(shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(shown[0].icon, QMessageBox::Information);
}

// Add, refuse a duplicate, insert after the current row, delete two rows; the file follows.
TEST_F(CalendarWindow, AddAndDeleteZones)
{
    open("Asia/Shanghai", utc(2021, 7, 1, 12, 0, 0));
    const QStringList choices = WorldTime::zoneChoices();
    add(17); // London
    EXPECT_EQ(column(0), (QStringList{QStringLiteral("Record No."), QStringLiteral("1"), QString()}));
    EXPECT_EQ(grid()->itemText(1, 1), choices[17]);
    EXPECT_EQ(grid()->itemText(1, 2), QStringLiteral(" 12:00:00, Thursday, July 01, 2021"));
    EXPECT_EQ(grid()->itemText(1, 3), QStringLiteral("GMT"));
    EXPECT_EQ(dlg->zones().records()[0].offset, 0);
    EXPECT_EQ(dir.read(ZoneList::fileName()), zoneFile({{choices[17], 0}}));

    add(17);
    QList<MessageBox::Shown> shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, QStringLiteral("The selected Time Zone is already existed."));
    EXPECT_EQ(shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(dlg->zones().size(), 1);

    add(12); // Newfoundland, appended: no current cell
    EXPECT_EQ(dlg->zones().records()[1].offset, -12600);
    EXPECT_EQ(grid()->itemText(2, 2), QStringLiteral(" 08:30:00, Thursday, July 01, 2021"));
    EXPECT_EQ(grid()->itemText(2, 3), QStringLiteral("GMT-3.30"));
    // With the current cell on record 1, the next zone goes right after it.
    grid()->setCurrentCell(1, 2);
    add(43); // Beijing
    EXPECT_EQ(column(1).mid(1, 3), (QStringList{choices[17], choices[43], choices[12]}));
    EXPECT_EQ(column(0).mid(1), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QString()}));
    // The current cell on the empty row: appended.
    grid()->setCurrentCell(4, 0);
    add(0);
    EXPECT_EQ(grid()->itemText(4, 1), choices[0]);
    for (int r = 0; r < grid()->rowCount(); ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(grid()->itemFormat(r, c) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << r << "," << c;

    // Nothing selected (or only the empty row): "Delete" says so.
    selectRows({5});
    button("delete")->click();
    shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, QStringLiteral("Please choose the Time Zeno item to be deleted."));
    EXPECT_EQ(dlg->zones().size(), 4);

    // Two rows at once; the rest are numbered from 1 again.
    selectRows({1, 3, 5});
    button("delete")->click();
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    EXPECT_EQ(column(0), (QStringList{QStringLiteral("Record No."), QStringLiteral("1"), QStringLiteral("2"), QString()}));
    EXPECT_EQ(column(1).mid(1, 2), (QStringList{choices[43], choices[0]}));
    EXPECT_EQ(dir.read(ZoneList::fileName()), zoneFile({{choices[43], 28800}, {choices[0], -43200}}));
}

// While the local zone is on summer time, every zone shows the UTC time plus its offset.
TEST_F(CalendarWindow, WorldTimesRightOnSummerTime)
{
    // 14:00 in Berlin (UTC+2 in summer, standard offset +1).
    open("Europe/Berlin", utc(2021, 7, 1, 12, 0, 0));
    EXPECT_EQ(label("now"), QStringLiteral("14:00:00, Thursday, July 01, 2021"));
    EXPECT_EQ(dlg->zoneChoice()->currentText(), QStringLiteral("GMT+1:Amsterdam,Berlin,Berne,Rome"));
    add(43); // GMT+8
    add(12); // GMT-3.30
    add(17); // GMT
    EXPECT_EQ(grid()->itemText(1, 2), QStringLiteral(" 20:00:00, Thursday, July 01, 2021"));
    EXPECT_EQ(grid()->itemText(2, 2), QStringLiteral(" 08:30:00, Thursday, July 01, 2021"));
    EXPECT_EQ(grid()->itemText(3, 2), QStringLiteral(" 12:00:00, Thursday, July 01, 2021"));
    // The refresh moves them on with the clock.
    fake.clock().advance(3600 * 4);
    dlg->refreshWorldTimes();
    EXPECT_EQ(grid()->itemText(1, 2), QStringLiteral(" 00:00:00, Friday, July 02, 2021"));
}

TEST_F(CalendarWindow, LoadsTheFileAndWritesItBack)
{
    const QStringList choices = WorldTime::zoneChoices();
    const QByteArray bytes = zoneFile({{choices[38], 20700}, {choices[17], 0}});
    dir.write(ZoneList::fileName(), bytes);
    ::chmod(QFile::encodeName(dir.file(ZoneList::fileName())).constData(), 0444);
    open("UTC", utc(2021, 7, 1, 12, 0, 0));
    EXPECT_EQ(column(1).mid(1), (QStringList{choices[38], choices[17], QString()}));
    EXPECT_EQ(grid()->itemText(1, 2), QStringLiteral(" 17:45:00, Thursday, July 01, 2021"));
    EXPECT_EQ(grid()->itemText(1, 3), QStringLiteral("GMT+5.45"));
    // Written back, and writable again.
    EXPECT_EQ(dir.read(ZoneList::fileName()), bytes);
    EXPECT_TRUE(QFileInfo(dir.file(ZoneList::fileName())).isWritable());
}

TEST_F(CalendarWindow, DamagedFileIsMovedAside)
{
    const QByteArray damaged = zoneFile({{QStringLiteral("GMT:London,Dublin,Edinburgh"), 0}}).replace(0, 1, "\x05");
    dir.write(ZoneList::fileName(), damaged);
    QString told;
    DataFile::setDamageNotifier([&](const QString& m) { told = m; });
    open("UTC", utc(2021, 7, 1, 12, 0, 0));
    DataFile::setDamageNotifier({});
    EXPECT_FALSE(told.isEmpty());
    EXPECT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(dir.read(ZoneList::fileName() + QStringLiteral(".bad")), damaged);
    EXPECT_FALSE(dir.exists(ZoneList::fileName()));
    // The first change writes a new file; the damaged one stays aside.
    add(17);
    EXPECT_TRUE(dir.exists(ZoneList::fileName()));
    EXPECT_EQ(dir.read(ZoneList::fileName() + QStringLiteral(".bad")), damaged);
}

// The picker follows the clock until it is edited; "Update" sets the clock, marks the day and
// follows again.
TEST_F(CalendarWindow, PickerAndUpdate)
{
    open("Asia/Shanghai", utc(2021, 7, 1, 4, 0, 0));
    fake.clock().advance(1);
    dlg->time().clockRefresh();
    EXPECT_EQ(dlg->picker()->dateTime(), QDateTime(QDate(2021, 7, 1), QTime(12, 0, 1)));

    const QDateTime chosen(QDate(2021, 7, 20), QTime(8, 15, 0));
    dlg->picker()->setDateTime(chosen); // as the user's editing does
    EXPECT_FALSE(dlg->time().followsClock());
    fake.clock().advance(1);
    dlg->time().clockRefresh();
    EXPECT_EQ(dlg->picker()->dateTime(), chosen);

    button("update")->click();
    ASSERT_EQ(fake.clock().setTimeCalls().size(), 1);
    EXPECT_EQ(fake.clock().setTimeCalls()[0], chosen);
    EXPECT_EQ(dlg->monthView()->today(), QDate(2021, 7, 20));
    EXPECT_EQ(dlg->trayDay(), 20);
    EXPECT_TRUE(dlg->time().followsClock());
    fake.clock().advance(1);
    dlg->time().clockRefresh();
    EXPECT_EQ(dlg->picker()->dateTime(), chosen.addSecs(1));
}

// The day icon changes at the first refresh of a new day, also after a jump over midnight.
TEST_F(CalendarWindow, DayIconChangesAcrossMidnight)
{
    open("Asia/Shanghai", utc(2021, 7, 1, 15, 59, 59)); // 23:59:59 local
    EXPECT_EQ(dlg->trayDay(), 1);
    fake.clock().advance(1);
    dlg->time().clockRefresh();
    EXPECT_EQ(dlg->trayDay(), 2);
    EXPECT_EQ(dlg->trayIcon()->toolTip(), QStringLiteral("Friday, July 02, 2021"));
    EXPECT_TRUE(dlg->trayIconFile().endsWith(QStringLiteral("ico/Day/2.png")));
    EXPECT_EQ(dlg->monthView()->today(), QDate(2021, 7, 2));
    EXPECT_EQ(dlg->monthView()->selectedDate(), QDate(2021, 7, 2));
    // The clock set forward over the next two midnights, the tick count barely moving.
    fake.clock().setNow(fake.clock().now() + 2 * 86400 + 7200);
    fake.clock().advanceMs(900);
    dlg->time().clockRefresh();
    EXPECT_EQ(dlg->trayDay(), 4);
    // The 900 ms timer does it by itself.
    fake.clock().setNow(utc(2021, 7, 31, 16, 0, 0));
    EXPECT_TRUE(waitUntil([&] { return dlg->trayDay() == 1; }, 3000));
    EXPECT_EQ(dlg->monthView()->today(), QDate(2021, 8, 1));
}

// The calibration's today mark is the UTC date: at 00:30 in +8 hours, the day before.
TEST_F(CalendarWindow, CalibrationMarksTheUtcDate)
{
    open("Asia/Shanghai", utc(2021, 6, 30, 16, 30, 0));
    EXPECT_EQ(dlg->monthView()->today(), QDate(2021, 7, 1));
    ScriptedTimeServer server;
    ASSERT_TRUE(server.listen());
    const qint64 moment = utc(2021, 6, 30, 16, 30, 5);
    server.setAnswer({ScriptedTimeServer::count(quint32(moment + TimeServerClient::SecondsFrom1900To1970))});
    TimeServerClient& client = dlg->calibration()->client();
    client.setPort(server.port());
    dlg->calibration()->servers()->setItemText(0, QStringLiteral("127.0.0.1"));
    dlg->calibration()->servers()->setCurrentIndex(0);
    dlg->calibration()->calibrateButton()->click();
    ASSERT_TRUE(waitUntil([&] { return client.state() == TimeServerClient::State::Done; }, 5000)) << client.log().toStdString();
    EXPECT_EQ(fake.clock().now(), moment);
    EXPECT_EQ(dlg->monthView()->today(), QDate(2021, 6, 30));
    EXPECT_TRUE(dlg->calibration()->log()->toPlainText().contains(QStringLiteral("The date and time has updated.")));
    EXPECT_EQ(dlg->trayDay(), 1); // still 1 July here
}

TEST_F(CalendarWindow, ClockMenuStopwatchHelpAndClose)
{
    open("UTC", utc(2021, 7, 1, 3, 0, 0));
    const struct { int command; const char* name; } clocks[] = {
        {CCalendarDlg::PointerClockCommand, "CPointerClock"},
        {CCalendarDlg::NumberClockCommand, "CNumberClock"},
        {CCalendarDlg::CartoonClockCommand, "CCartoonClock"},
    };
    for (const auto& c : clocks) {
        PopupMenu::setNextChoice(c.command);
        button("clock")->click();
        auto* clock = dlg->findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(clock, nullptr) << c.name;
        EXPECT_TRUE(clock->isVisible()) << c.name;
        // Hidden and chosen again: the same window comes back.
        clock->hide();
        PopupMenu::setNextChoice(c.command);
        button("clock")->click();
        EXPECT_EQ(dlg->findChildren<QWidget*>(QLatin1String(c.name)).size(), 1);
        EXPECT_TRUE(clock->isVisible());
    }
    // Nothing chosen: nothing opens.
    PopupMenu::setNextChoice(0);
    button("clock")->click();

    button("stopwatch")->click();
    ASSERT_NE(dlg->stopwatch(), nullptr);
    EXPECT_TRUE(dlg->stopwatch()->isVisible());
    CStopWatchDlg* first = dlg->stopwatch();
    first->hide();
    button("stopwatch")->click();
    EXPECT_EQ(dlg->stopwatch(), first);
    EXPECT_TRUE(first->isVisible());

    button("help")->click();
    EXPECT_EQ(HelpViewer::lastContext(), 10017);
    dlg->show();
    button("close")->click();
    EXPECT_FALSE(dlg->isVisible());
    // The clocks stay where they are.
    EXPECT_TRUE(dlg->pointerClock()->isVisible());
}

} // namespace
