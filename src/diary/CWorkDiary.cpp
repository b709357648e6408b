#include "diary/CWorkDiary.h"

#include "controls/CGridCtrl.h"
#include "controls/ColourPickerButton.h"
#include "controls/MessageBox.h"
#include "diary/DiaryEntryDialog.h"
#include "diary/DiaryFilterDialog.h"
#include "platform/Platform.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QColor toColor(quint32 c)
{
    return QColor(DiaryColors::red(c), DiaryColors::green(c), DiaryColors::blue(c));
}

quint32 fromColor(const QColor& c)
{
    return DiaryColors::rgb(c.red(), c.green(), c.blue());
}

// The grid shows a multi-line text's line breaks as the row shows them, not as "\r".
QString cellShown(const QString& text)
{
    QString s = text;
    return s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

CWorkDiary::CWorkDiary(const QString& programDir, Platform& platform, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Diary"), HelpContext, parent), m_programDir(programDir), m_platform(platform)
{
    setObjectName(QStringLiteral("CWorkDiary"));
    m_filter = DiaryFilter::initial(platform.clock->now());

    m_grid = new CGridCtrl;
    m_grid->setObjectName(QStringLiteral("id%1").arg(IdGrid));
    setupGrid();

    auto button = [this](int id, const QString& text) {
        auto* b = new QPushButton(text);
        b->setObjectName(QStringLiteral("id%1").arg(id));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* newButton = button(IdNew, QStringLiteral("New"));
    QPushButton* modifyButton = button(IdModify, QStringLiteral("Modify"));
    QPushButton* deleteButton = button(IdDelete, QStringLiteral("Delete"));
    QPushButton* selectButton = button(IdSelect, QStringLiteral("Select"));
    QPushButton* showAllButton = button(IdShowAll, QStringLiteral("Show All"));
    QPushButton* hideButton = button(IdHide, QStringLiteral("Hide"));

    const QStringList states = DiaryEntry::stateWords();
    auto* colours = new QHBoxLayout;
    for (int s = 0; s < DiaryColors::StateCount; ++s) {
        auto* picker = new ColourPickerButton(states.at(s));
        picker->setObjectName(QStringLiteral("id%1").arg(IdOnSchedule + s));
        picker->setMinimumWidth(118);
        picker->setColour(toColor(m_colors.colour(s)));
        m_colourButtons.at(std::size_t(s)) = picker;
        colours->addWidget(picker);
    }
    colours->addStretch();

    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {newButton, modifyButton, deleteButton, selectButton, showAllButton})
        commands->addWidget(b);
    commands->addStretch();
    commands->addWidget(hideButton);

    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_grid, 1);
    layout->addLayout(colours);
    layout->addLayout(commands);
    m_grid->setMinimumSize(780, 320);

    // The stored colours, then the entries.
    m_colors.load(m_programDir + QStringLiteral("DiaryColor.tmp"));
    for (int s = 0; s < DiaryColors::StateCount; ++s)
        m_colourButtons.at(std::size_t(s))->setColour(toColor(m_colors.colour(s)));
    m_book.load(m_programDir + QStringLiteral("Diary.tmp"), platform.codec.get());
    refresh();

    for (int s = 0; s < DiaryColors::StateCount; ++s)
        connect(m_colourButtons.at(std::size_t(s)), &ColourPickerButton::colourChanged, this,
                [this, s](const QColor& c) { colourPicked(s, c); });
    connect(newButton, &QPushButton::clicked, this, &CWorkDiary::newEntry);
    connect(modifyButton, &QPushButton::clicked, this, &CWorkDiary::modifyEntry);
    connect(deleteButton, &QPushButton::clicked, this, &CWorkDiary::deleteEntries);
    connect(selectButton, &QPushButton::clicked, this, &CWorkDiary::selectEntries);
    connect(showAllButton, &QPushButton::clicked, this, &CWorkDiary::showAll);
    connect(hideButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        m_grid->setCurrentCell(row, column);
        modifyEntry();
    });
    centreOnDesktop();
}

CWorkDiary::~CWorkDiary()
{
    m_colors.store(m_programDir + QStringLiteral("DiaryColor.tmp"));
}

void CWorkDiary::setupGrid()
{
    const QStringList titles = DiaryBook::columnTitles();
    m_grid->setFixedBkColour(Qt::white);
    m_grid->setFixedFgColour(Qt::black);
    m_grid->setGridLineColour(QColor(200, 200, 200));
    m_grid->setBackgroundColour(Qt::white);
    m_grid->setEditable(false);
    m_grid->setColumnCount(int(titles.size()));
    m_grid->setRowCount(2);
    m_grid->setFixedRowCount(1);
    for (int c = 0; c < titles.size(); ++c) {
        m_grid->setItemText(0, c, titles.at(c));
        m_grid->setItemFormat(0, c, Qt::AlignCenter);
        m_grid->setItemText(1, c, QString());
    }
    // Rows are one line of the grid's font high, at most 16 pixels (see colour()).
    m_grid->resizeRowToContents(0);
    m_grid->verticalHeader()->setDefaultSectionSize(qMin(m_grid->rowHeight(0), MaxRowHeight));
}

bool CWorkDiary::isDataRow(int row) const
{
    return row >= m_grid->fixedRowCount() && row < m_grid->rowCount() - 1;
}

int CWorkDiary::recordNoOfRow(int row) const
{
    bool ok = false;
    const int no = m_grid->itemText(row, DiaryBook::RecordNo).toInt(&ok);
    return ok ? no : 0;
}

void CWorkDiary::fill(const QList<int>& indexes)
{
    // Row by row the grid would grow by one empty row at the end and the entry would go
    // into the row before it; the rows are made at once instead, with the same result: the
    // entries top to bottom, then one empty row.
    m_grid->setUpdatesEnabled(false);
    const int first = m_grid->fixedRowCount();
    m_grid->setRowCount(first);
    m_grid->setRowCount(first + int(indexes.size()) + 1);
    for (int k = 0; k < indexes.size(); ++k)
        for (int c = 0; c < m_grid->columnCount(); ++c)
            m_grid->setItemText(first + k, c, cellShown(m_book.cellText(indexes.at(k), c)));
    const int last = m_grid->rowCount() - 1;
    for (int c = 0; c < m_grid->columnCount(); ++c)
        m_grid->setItemText(last, c, QString());
    // The focused row went with the old rows: no row is focused until the user picks one.
    m_grid->setCurrentIndex(QModelIndex());
    m_grid->clearSelection();
    m_grid->setUpdatesEnabled(true);
}

void CWorkDiary::colour()
{
    m_grid->setUpdatesEnabled(false);
    const int last = m_grid->rowCount() - 1;
    for (int row = m_grid->fixedRowCount(); row <= last; ++row) {
        quint32 bk = DiaryColors::rgb(255, 255, 255);
        if (row < last) {
            const int no = recordNoOfRow(row);
            const int state = m_book.isRecord(no) ? DiaryColors::stateOf(m_book.entries.at(no - 1).schedule) : -1;
            if (state >= 0)
                bk = m_colors.colour(state);
        }
        const QColor background = toColor(bk), text = toColor(DiaryColors::textColourFor(bk));
        for (int c = 0; c < m_grid->columnCount(); ++c) {
            m_grid->setItemBkColour(row, c, background);
            m_grid->setItemFgColour(row, c, text);
        }
    }
    // Columns and rows sized to their contents, then capped. Every row holds one line of
    // text in the grid's font (a second line is cut by the cap), so the rows take the
    // header row's height, at most 16 pixels.
    m_grid->resizeColumnsToContents();
    for (int c = 0; c < m_grid->columnCount(); ++c)
        if (m_grid->columnWidth(c) > MaxColumnWidth)
            m_grid->setColumnWidth(c, MaxColumnWidth);
    const int rowHeight = m_grid->verticalHeader()->defaultSectionSize();
    for (int r = 0; r < m_grid->rowCount(); ++r)
        if (m_grid->rowHeight(r) != rowHeight)
            m_grid->setRowHeight(r, rowHeight);
    m_grid->setUpdatesEnabled(true);
    m_grid->viewport()->update();
}

void CWorkDiary::refresh()
{
    fill(m_book.newestFirst());
    m_book.store(m_programDir + QStringLiteral("Diary.tmp"));
    colour();
}

void CWorkDiary::showAll()
{
    fill(m_book.oldestFirst());
    colour();
}

void CWorkDiary::newEntry()
{
    DiaryEntryDialog dialog(DiaryEntry::fresh(m_platform.clock->now()), true, m_programDir, this);
    dialog.centreOnDesktop();
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_book.append(dialog.entry());
    refresh();
}

void CWorkDiary::modifyEntry()
{
    const int row = m_grid->focusCell().row;
    if (row < m_grid->fixedRowCount() || row >= m_grid->rowCount()) {
        MessageBox::error(this, nothingChosenMessage());
        return;
    }
    const int no = recordNoOfRow(row);
    if (!isDataRow(row) || !m_book.isRecord(no))
        return; // the empty last row
    DiaryEntryDialog dialog(m_book.entries.at(no - 1), false, m_programDir, this);
    dialog.centreOnDesktop();
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_book.replace(no, dialog.entry());
    refresh();
}

void CWorkDiary::deleteEntries()
{
    QList<int> numbers;
    for (int row : m_grid->selectedRows())
        if (isDataRow(row))
            numbers.append(recordNoOfRow(row));
    if (numbers.isEmpty()) {
        MessageBox::error(this, nothingChosenMessage());
        return;
    }
    m_book.removeRecords(numbers);
    refresh();
}

void CWorkDiary::selectEntries()
{
    DiaryFilterDialog dialog(m_filter, this);
    dialog.centreOnDesktop();
    if (dialog.exec() != QDialog::Accepted)
        return;
    applyFilter(dialog.filter());
}

void CWorkDiary::applyFilter(const DiaryFilter& filter)
{
    m_filter = filter;
    fill(m_book.matching(m_filter));
    colour();
}

void CWorkDiary::colourPicked(int state, const QColor& c)
{
    m_colors.setColour(state, fromColor(c));
    // The rows take the new colour at once, and the colours are kept right away as well
    // as when the window goes.
    colour();
    m_colors.store(m_programDir + QStringLiteral("DiaryColor.tmp"));
}
