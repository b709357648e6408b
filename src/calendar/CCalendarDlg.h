#pragma once
#include <QPointer>
#include <QTimer>

#include "calendar/CalendarTime.h"
#include "calendar/WorldTime.h"
#include "controls/SkinnedDialog.h"

class CalibrateTimeGroup;
class CCartoonClock;
class CGridCtrl;
class CNumberClock;
class CPointerClock;
class CStopWatchDlg;
class MonthView;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QPushButton;
class QSystemTrayIcon;
struct Platform;

// The "Calendar" window: the month view, the date-and-time picker with "Update", the current
// time ("Now") and how long the computer has run ("SYSTIME"), the "Calibrate Time" group, the
// world-time list, the "Clock" menu of the three clock faces and the "Stopwatch". While it
// exists it keeps a tray icon with today's day of the month. It owns the clocks, the
// stopwatch, the calibration group and the world-time list. "Close" hides it.
class CCalendarDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int { HelpContext = 10017 };
    // The "Clock" menu's commands.
    enum : int { PointerClockCommand = 1, NumberClockCommand = 2, CartoonClockCommand = 3 };

    CCalendarDlg(const QString& programDir, Platform& platform, QWidget* parent = nullptr);
    ~CCalendarDlg() override;

    CalendarTime& time() { return m_time; }
    const ZoneList& zones() const { return m_zones; }
    MonthView* monthView() const { return m_monthView; }
    QDateTimeEdit* picker() const { return m_picker; }
    CGridCtrl* grid() const { return m_grid; }
    QComboBox* zoneChoice() const { return m_zoneChoice; }
    CalibrateTimeGroup* calibration() const { return m_calibration; }
    QSystemTrayIcon* trayIcon() const { return m_tray; }
    // The day the tray icon shows (0 before the first refresh) and the picture it came from.
    int trayDay() const { return m_trayDay; }
    QString trayIconFile() const { return m_trayIconFile; }

    // The windows it opens, once they exist.
    CPointerClock* pointerClock() const;
    CNumberClock* numberClock() const;
    CCartoonClock* cartoonClock() const;
    CStopWatchDlg* stopwatch() const;

    // "Clock": the menu at the pointer; a command creates its clock on first use and shows it.
    void showClockMenu();
    void openClock(int command);
    void openStopwatch();
    // "Add" and "Delete" of the world-time list.
    void addZone();
    void deleteZones();
    // The world-time refresh (every 900 ms).
    void refreshWorldTimes();

private:
    void buildControls();
    void loadZones();
    void rebuildGrid();
    void storeZones();
    void setPicker(const QDateTime& value);
    void showTray(int day, const QString& tip);
    void selectZoneChoice(const QString& label);

    QString m_programDir;
    Platform& m_platform;
    CalendarTime m_time;
    ZoneList m_zones;
    QTimer m_clockTimer;
    QTimer m_worldTimer;
    bool m_settingPicker = false;
    int m_trayDay = 0;
    QString m_trayIconFile;

    MonthView* m_monthView = nullptr;
    QDateTimeEdit* m_picker = nullptr;
    QLabel* m_now = nullptr;
    QLabel* m_sysTime = nullptr;
    CalibrateTimeGroup* m_calibration = nullptr;
    QComboBox* m_zoneChoice = nullptr;
    CGridCtrl* m_grid = nullptr;
    QSystemTrayIcon* m_tray = nullptr;

    QPointer<CPointerClock> m_pointerClock;
    QPointer<CNumberClock> m_numberClock;
    QPointer<CCartoonClock> m_cartoonClock;
    QPointer<CStopWatchDlg> m_stopwatch;
};
