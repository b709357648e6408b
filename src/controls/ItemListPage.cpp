#include "controls/ItemListPage.h"

#include "controls/ItemListView.h"
#include "controls/PopupMenu.h"

#include <QResizeEvent>

ItemListPage::ItemListPage(const QString& iconFile, const QString& prompt, QWidget* parent)
    : QWidget(parent), m_view(new ItemListView(iconFile, prompt, ItemListView::Look::White, this))
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    m_view->setObjectName(QStringLiteral("itemList"));
    connect(m_view, &ItemListView::menuRequested, this, &ItemListPage::showMenu);
    connect(m_view, &ItemListView::rowDoubleClicked, this, [this](int row) { rowDoubleClicked(row); });
}

void ItemListPage::addMenuCommand(int id, const QString& text, std::function<void(int row)> action)
{
    m_commands.append({id, text, std::move(action)});
}

void ItemListPage::rowDoubleClicked(int)
{
}

void ItemListPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(5, 10, qMax(0, width() - 22), qMax(0, height() - 29));
}

void ItemListPage::showMenu(int row, const QPoint& globalPos)
{
    if (m_commands.isEmpty())
        return;
    PopupMenu menu(this);
    for (const Command& c : m_commands)
        menu.addItem(c.id, c.text);
    const int chosen = menu.exec(globalPos);
    for (const Command& c : m_commands)
        if (c.id == chosen) {
            c.action(row);
            return;
        }
}
