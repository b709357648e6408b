#pragma once
#include "alarms/AlarmDelay.h"
#include "alarms/AlarmRecord.h"
#include "controls/SkinnedDialog.h"

class Clock;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimer;

// "Alarm Setting": edits a copy of one alarm. The start time and the "Alarm After" delay
// are linked through the base moment (the start time the dialog opened with).
class AlarmDialog : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int {
        IdOk = 1, IdCancel = 2,
        IdName = 1011, IdInfo = 1012,
        IdPlaySound = 1016, IdShutDown = 1017, IdBeep = 1018, IdPopUp = 1019, IdRunApp = 1020, IdLockScreen = 1021,
        IdSoundPath = 1022, IdRunPath = 1023, IdSoundBrowse = 1024, IdRunBrowse = 1025,
        IdRepeat = 1045, IdWeekday = 1046, IdAlarmAt = 1048, IdNowTime = 1058, IdNowDate = 1061,
        IdSoundCount = 1069,
        IdMinutes = 1124, IdHours = 1125, IdSeconds = 1126,
        IdScreenSave = 1139,
        HelpContext = 1004,
    };
    static constexpr int kNowRefreshMs = 450;

    // `isNew`: the record is a new alarm and its start time becomes the clock's now.
    AlarmDialog(const AlarmRecord& alarm, bool isNew, const Clock& clock, QWidget* parent = nullptr);

    AlarmRecord alarm() const;
    qint64 base() const { return m_base; }
    QTimer* nowTimer() const { return m_nowTimer; }

    static QString soundFilter() { return QStringLiteral("wave file(*.wav)|*.wav||"); }
    static QString programFilter() { return QStringLiteral("所有文件(*.*)|*.*|可执行文件(*.exe)|*.exe||"); }

public Q_SLOTS:
    void accept() override;

private:
    void refreshNow();
    void updateEnabling();
    void pickerChanged();
    void delayChanged();
    void chooseSound();
    void chooseProgram();
    void showStart();

    const Clock& m_clock;
    AlarmRecord m_alarm;
    qint64 m_base;
    bool m_syncing = false;

    QLineEdit* m_name;
    QPlainTextEdit* m_info;
    QLabel* m_nowTime;
    QLabel* m_nowDate;
    QDateTimeEdit* m_at;
    QSpinBox* m_hours;
    QSpinBox* m_minutes;
    QSpinBox* m_seconds;
    QComboBox* m_repeat;
    QComboBox* m_weekday;
    QCheckBox* m_playSound;
    QLineEdit* m_soundPath;
    QPushButton* m_soundBrowse;
    QSpinBox* m_soundCount;
    QCheckBox* m_shutDown;
    QCheckBox* m_beep;
    QCheckBox* m_popUp;
    QCheckBox* m_lockScreen;
    QCheckBox* m_screenSave;
    QCheckBox* m_runApp;
    QLineEdit* m_runPath;
    QPushButton* m_runBrowse;
    QTimer* m_nowTimer;
};
