#include "alarms/AlarmPage.h"

#include "alarms/AlarmDialog.h"
#include "platform/Platform.h"

AlarmPage::AlarmPage(const QString& programDir, Platform& platform, PopUpHost* host, QWidget* parent)
    : RecordListPage(programDir + QStringLiteral("face/alarm1.bmp"), prompt(), programDir + QStringLiteral("Alarm.tmp"), parent),
      m_platform(platform),
      m_actions(platform, host),
      m_scheduler(*platform.clock, m_list.items, m_actions, this)
{
    setObjectName(QStringLiteral("AlarmPanel"));
    addRecordCommands(IdAdd, IdDelete, IdProperty);
    load(platform.codec.get());
    m_scheduler.start();
}

AlarmPage::~AlarmPage()
{
    m_scheduler.stop();
}

void AlarmPage::setPopUpHost(PopUpHost* host)
{
    m_actions.setPopUpHost(host);
}

bool AlarmPage::runDialog(AlarmRecord& alarm, bool isNew)
{
    AlarmDialog dialog(alarm, isNew, *m_platform.clock, this);
    dialog.centreOnDesktop();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    alarm = dialog.alarm();
    return true;
}

void AlarmPage::rowDoubleClicked(int row)
{
    m_list.lastOpenedIndex = listView()->showsPlaceholder() ? -1 : row;
    editSelected();
}
