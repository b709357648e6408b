#pragma once
#include "alarms/AlarmActions.h"
#include "alarms/AlarmList.h"
#include "alarms/AlarmScheduler.h"

#include <QWidget>

class ItemListView;
class PopUpHost;
struct Platform;

// The Alarm page: the user's alarms in "Alarm.tmp", edited through "Alarm Setting", and
// the scheduler that checks them every second for as long as the page exists.
class AlarmPage : public QWidget
{
    Q_OBJECT
public:
    enum : int { IdAdd = 1150, IdDelete = 1151, IdProperty = 1152 };

    // `host` (the main panel) is what PopUp brings forward; it may be set later.
    AlarmPage(const QString& programDir, Platform& platform, PopUpHost* host = nullptr, QWidget* parent = nullptr);
    ~AlarmPage() override;

    void setPopUpHost(PopUpHost* host);
    const AlarmList& alarms() const { return m_list; }
    ItemListView* listView() const { return m_view; }
    AlarmScheduler& scheduler() { return m_scheduler; }
    QString itemFile() const { return m_file; }

    // The commands of the menu (and of tests).
    void addAlarm(int clickedRow);
    void deleteSelected();
    void editSelected();
    void rebuild();
    bool save() const;

    static QString prompt() { return QStringLiteral("Please right-click mouse to add an alarm."); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showMenu(int row, const QPoint& globalPos);
    void rowDoubleClicked(int row);
    bool runDialog(AlarmRecord& alarm, bool isNew);

    Platform& m_platform;
    QString m_file;
    AlarmList m_list;
    ItemListView* m_view;
    AlarmActions m_actions;
    AlarmScheduler m_scheduler;
};
