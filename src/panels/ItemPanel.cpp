#include "panels/ItemPanel.h"

#include "controls/ItemListView.h"
#include "panels/LaunchItemDialog.h"
#include "controls/MessageBox.h"
#include "platform/Platform.h"
#include "controls/PopupMenu.h"

#include <QResizeEvent>

namespace {
const QString kPrompt = QStringLiteral("Please right-click mouse to add media file.");
const QString kPropertyOnPlaceholder = QStringLiteral("Please right-click mouse to add the booting file.");
} // namespace

ItemPanel::ItemPanel(Kind kind, const QString& programDir, Platform& platform, QWidget* parent)
    : QWidget(parent),
      m_kind(kind),
      m_platform(platform),
      m_file(programDir + (kind == Kind::Boot ? QStringLiteral("Boot.tmp") : QStringLiteral("Favorite.tmp"))),
      m_view(new ItemListView(programDir + (kind == Kind::Boot ? QStringLiteral("face/boot1.bmp") : QStringLiteral("face/favorite1.bmp")),
          kPrompt, ItemListView::Look::White, this))
{
    setObjectName(kind == Kind::Boot ? QStringLiteral("BootPanel") : QStringLiteral("FavoritePanel"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    m_view->setObjectName(QStringLiteral("itemList"));
    connect(m_view, &ItemListView::menuRequested, this, &ItemPanel::showMenu);
    connect(m_view, &ItemListView::rowDoubleClicked, this, &ItemPanel::openRow);

    m_list.load(m_file, platform.codec.get());
    rebuild();
    // Boot: the user's programs start with the program.
    if (m_kind == Kind::Boot && m_platform.launcher)
        LaunchActions::openAll(m_list, *m_platform.launcher);
}

ItemPanel::~ItemPanel()
{
    save();
}

bool ItemPanel::save() const
{
    return m_list.store(m_file);
}

void ItemPanel::rebuild()
{
    QStringList names;
    for (const LaunchItem& item : m_list.items)
        names << item.name;
    m_view->setNames(names);
    save();
}

void ItemPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(5, 10, qMax(0, width() - 22), qMax(0, height() - 29));
}

void ItemPanel::showMenu(int row, const QPoint& globalPos)
{
    PopupMenu menu(this);
    menu.addItem(idAdd(), QStringLiteral("Add"));
    menu.addItem(idDelete(), QStringLiteral("Delete"));
    menu.addItem(idProperty(), QStringLiteral("Property"));
    const int chosen = menu.exec(globalPos);
    if (chosen == idAdd())
        addItem(row);
    else if (chosen == idDelete())
        deleteSelected();
    else if (chosen == idProperty())
        editSelected();
}

bool ItemPanel::runDialog(LaunchItem& item)
{
    LaunchItemDialog dialog(m_kind == Kind::Boot ? LaunchItemDialog::Kind::Boot : LaunchItemDialog::Kind::Favorite, item, this);
    dialog.centreOnDesktop();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    item = dialog.item();
    return true;
}

void ItemPanel::addItem(int clickedRow)
{
    LaunchItem item;
    if (!runDialog(item))
        return;
    m_list.insert(item, m_view->showsPlaceholder() ? -1 : clickedRow);
    rebuild();
    if (QWidget* w = window())
        w->update();
}

void ItemPanel::deleteSelected()
{
    if (m_view->showsPlaceholder())
        return;
    if (m_list.removeRows(m_view->selectedRows()))
        rebuild();
}

void ItemPanel::editSelected()
{
    const QList<int> rows = m_view->selectedRows();
    if (rows.isEmpty())
        return;
    if (m_view->showsPlaceholder()) {
        MessageBox::error(this, kPropertyOnPlaceholder);
        return;
    }
    const int row = rows.first();
    if (row < m_list.items.size()) {
        LaunchItem item = m_list.items.at(row);
        if (runDialog(item)) {
            m_list.items[row] = item;
            m_view->setRowText(row, item.name);
        }
    }
    save();
}

void ItemPanel::openRow(int row)
{
    if (m_kind != Kind::Favorite)
        return;
    if (m_view->showsPlaceholder())
        row = -1;
    if (m_platform.launcher)
        LaunchActions::openFavorite(m_list, row, *m_platform.launcher);
    else
        m_list.lastOpenedIndex = row;
    save();
}
