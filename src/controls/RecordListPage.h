#pragma once
#include "controls/ItemListPage.h"
#include "controls/ItemListView.h"
#include "controls/MessageBox.h"
#include "storage/ItemArray.h"

#include <QStringList>

// An item list page whose records live in an item file (ItemArray): Add inserts before
// the right-clicked row (appends to an empty list), Delete removes the selected records,
// Property edits the first selected one; the file is rewritten after every change and
// when the page goes. `Item` has a `name` and serialize(); the page supplies the dialog.
template <class Item>
class RecordListPage : public ItemListPage
{
public:
    ~RecordListPage() override { save(); }

    const ItemArray<Item>& records() const { return m_list; }
    QString itemFile() const { return m_file; }

    // Add: the dialog for a new record, then insertion before `clickedRow` (-1: empty space).
    void addItem(int clickedRow)
    {
        Item item;
        if (!runDialog(item, true))
            return;
        m_list.insert(item, listView()->showsPlaceholder() ? -1 : clickedRow);
        rebuild();
        if (QWidget* w = window())
            w->update();
    }

    // Delete: every selected row that is a record (the placeholder's rows are ignored).
    void deleteSelected()
    {
        if (listView()->showsPlaceholder())
            return;
        if (m_list.removeRows(listView()->selectedRows()))
            rebuild();
    }

    // Property: the dialog for the first selected record; the row shows the bare name until
    // the next rebuild. On the placeholder, the page's message instead.
    void editSelected()
    {
        const QList<int> rows = listView()->selectedRows();
        if (rows.isEmpty())
            return;
        if (listView()->showsPlaceholder()) {
            MessageBox::error(this, placeholderPropertyMessage());
            return;
        }
        const int row = rows.first();
        if (row < m_list.items.size()) {
            // The dialog works on a copy: timers may change the list while it is open, so
            // the row is looked up again before the result goes back.
            Item copy = m_list.items.at(row);
            if (runDialog(copy, false) && row < m_list.items.size()) {
                m_list.items[row] = copy;
                listView()->setRowText(row, copy.name);
            }
        }
        save();
    }

    // Clears the list, adds one row per record (or the placeholder), writes the item file.
    void rebuild()
    {
        QStringList names;
        for (const Item& item : m_list.items)
            names << item.name;
        listView()->setNames(names);
        save();
    }

    bool save() const { return m_list.store(m_file); }

protected:
    RecordListPage(const QString& iconFile, const QString& prompt, const QString& file, QWidget* parent)
        : ItemListPage(iconFile, prompt, parent), m_file(file)
    {
    }

    // Reads the item file (a missing or damaged one leaves the list empty) and shows it.
    void load(const TextCodec* codec)
    {
        m_list.load(m_file, codec);
        rebuild();
    }

    // "Add", "Delete" and "Property" on the right-click menu under the page's numbers.
    void addRecordCommands(int add, int remove, int property)
    {
        addMenuCommand(add, QStringLiteral("Add"), [this](int row) { addItem(row); });
        addMenuCommand(remove, QStringLiteral("Delete"), [this](int) { deleteSelected(); });
        addMenuCommand(property, QStringLiteral("Property"), [this](int) { editSelected(); });
    }

    // The record dialog; true (and `item` changed) on OK.
    virtual bool runDialog(Item& item, bool isNew) = 0;
    // The message of Property on the placeholder (caption "Error").
    virtual QString placeholderPropertyMessage() const = 0;

    ItemArray<Item> m_list;
    QString m_file;
};
