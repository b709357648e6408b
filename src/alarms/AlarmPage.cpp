#include "alarms/AlarmPage.h"

#include "alarms/AlarmDialog.h"
#include "controls/ItemListView.h"
#include "controls/MessageBox.h"
#include "platform/Platform.h"
#include "controls/PopupMenu.h"

#include <QResizeEvent>

AlarmPage::AlarmPage(const QString& programDir, Platform& platform, PopUpHost* host, QWidget* parent)
    : QWidget(parent),
      m_platform(platform),
      m_file(programDir + QStringLiteral("Alarm.tmp")),
      m_view(new ItemListView(programDir + QStringLiteral("face/alarm1.bmp"), prompt(), ItemListView::Look::White, this)),
      m_actions(platform, host),
      m_scheduler(*platform.clock, m_list.items, m_actions, this)
{
    setObjectName(QStringLiteral("AlarmPanel"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    m_view->setObjectName(QStringLiteral("itemList"));
    connect(m_view, &ItemListView::menuRequested, this, &AlarmPage::showMenu);
    connect(m_view, &ItemListView::rowDoubleClicked, this, &AlarmPage::rowDoubleClicked);

    m_list.load(m_file, platform.codec.get());
    rebuild();
    m_scheduler.start();
}

AlarmPage::~AlarmPage()
{
    m_scheduler.stop();
    save();
}

void AlarmPage::setPopUpHost(PopUpHost* host)
{
    m_actions.setPopUpHost(host);
}

bool AlarmPage::save() const
{
    return m_list.store(m_file);
}

void AlarmPage::rebuild()
{
    QStringList names;
    for (const AlarmRecord& a : m_list.items)
        names << a.name;
    m_view->setNames(names);
    save();
}

void AlarmPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(5, 10, qMax(0, width() - 22), qMax(0, height() - 29));
}

void AlarmPage::showMenu(int row, const QPoint& globalPos)
{
    PopupMenu menu(this);
    menu.addItem(IdAdd, QStringLiteral("Add"));
    menu.addItem(IdDelete, QStringLiteral("Delete"));
    menu.addItem(IdProperty, QStringLiteral("Property"));
    switch (menu.exec(globalPos)) {
    case IdAdd:
        addAlarm(row);
        break;
    case IdDelete:
        deleteSelected();
        break;
    case IdProperty:
        editSelected();
        break;
    default:
        break;
    }
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

void AlarmPage::addAlarm(int clickedRow)
{
    AlarmRecord alarm;
    if (!runDialog(alarm, true))
        return;
    m_list.insert(alarm, m_view->showsPlaceholder() ? -1 : clickedRow);
    rebuild();
    if (QWidget* w = window())
        w->update();
}

void AlarmPage::deleteSelected()
{
    if (m_view->showsPlaceholder())
        return;
    if (m_list.removeRows(m_view->selectedRows()))
        rebuild();
}

void AlarmPage::editSelected()
{
    const QList<int> rows = m_view->selectedRows();
    if (rows.isEmpty())
        return;
    if (m_view->showsPlaceholder()) {
        MessageBox::error(this, prompt());
        return;
    }
    const int row = rows.first();
    if (row < m_list.items.size()) {
        AlarmRecord copy = m_list.items.at(row);
        // The scheduler may fire (and open boxes) while the dialog is open: it works on
        // copies, and the row is looked up again before the result goes back.
        if (runDialog(copy, false) && row < m_list.items.size()) {
            m_list.items[row] = copy;
            m_view->setRowText(row, copy.name);
        }
    }
    save();
}

void AlarmPage::rowDoubleClicked(int row)
{
    m_list.lastOpenedIndex = m_view->showsPlaceholder() ? -1 : row;
    // Property of the selected row (a click on empty space has cleared the selection).
    editSelected();
}
