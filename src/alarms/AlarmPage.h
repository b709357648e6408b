#pragma once
#include "alarms/AlarmActions.h"
#include "alarms/AlarmList.h"
#include "alarms/AlarmScheduler.h"
#include "controls/RecordListPage.h"

class PopUpHost;
struct Platform;

// The Alarm page: the user's alarms in "Alarm.tmp", edited through "Alarm Setting", and
// the scheduler that checks them every second for as long as the page exists.
class AlarmPage : public RecordListPage<AlarmRecord>
{
    Q_OBJECT
public:
    enum : int { IdAdd = 1150, IdDelete = 1151, IdProperty = 1152 };

    // `host` (the main panel) is what PopUp brings forward; it may be set later.
    AlarmPage(const QString& programDir, Platform& platform, PopUpHost* host = nullptr, QWidget* parent = nullptr);
    ~AlarmPage() override;

    void setPopUpHost(PopUpHost* host);
    AlarmScheduler& scheduler() { return m_scheduler; }

    // The commands of the menu (and of tests).
    void addAlarm(int clickedRow) { addItem(clickedRow); }

    static QString prompt() { return QStringLiteral("Please right-click mouse to add an alarm."); }

protected:
    // Remembers the row and opens Property of the selected one (a click on empty space
    // has cleared the selection).
    void rowDoubleClicked(int row) override;
    bool runDialog(AlarmRecord& alarm, bool isNew) override;
    QString placeholderPropertyMessage() const override { return prompt(); }

private:
    Platform& m_platform;
    AlarmActions m_actions;
    AlarmScheduler m_scheduler;
};
