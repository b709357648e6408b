#pragma once
#include "controls/SkinnedDialog.h"
#include "diary/DiaryBook.h"
#include "diary/DiaryColors.h"
#include "diary/DiaryFilter.h"

#include <array>

class CGridCtrl;
class ColourPickerButton;
struct Platform;

// "Diary": the work diary window. The entries of "Diary.tmp" in a grid whose rows are
// coloured by state, the four state colours of "DiaryColor.tmp" on colour-picker buttons,
// New, Modify, Delete, Select (the filter), Show All and Hide. Close and Hide only hide it;
// it lives as long as the panel.
class CWorkDiary : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int {
        HelpContext = 1003,
        IdNew = 1066,
        IdModify = 1067,
        IdGrid = 1069,
        IdDelete = 1070,
        IdSelect = 1071,
        IdShowAll = 1072,
        IdHide = 1044,
        IdOnSchedule = 1074,
        IdBehindSchedule = 1075,
        IdAheadOfSchedule = 1076,
        IdCancellation = 1077,
    };
    static constexpr int MaxColumnWidth = 230;
    static constexpr int MaxRowHeight = 16;

    CWorkDiary(const QString& programDir, Platform& platform, QWidget* parent = nullptr);
    ~CWorkDiary() override;

    const DiaryBook& book() const { return m_book; }
    const DiaryColors& colors() const { return m_colors; }
    const DiaryFilter& filter() const { return m_filter; }
    CGridCtrl* grid() const { return m_grid; }
    ColourPickerButton* colourButton(int state) const { return m_colourButtons.at(std::size_t(state)); }

    // The commands of the buttons (and of tests).
    void newEntry();
    void modifyEntry();
    void deleteEntries();
    void selectEntries();
    void showAll();
    // What Select does after its dialog's OK: remembers the filter and shows, oldest first,
    // the entries that pass it.
    void applyFilter(const DiaryFilter& filter);

    static QString nothingChosenMessage() { return QStringLiteral("Please choose the record to be deleted."); }

private:
    // Empties the grid down to the header and the last empty row, then shows the entries
    // at these indexes, top to bottom.
    void fill(const QList<int>& indexes);
    // Fills newest first, writes "Diary.tmp" and colours.
    void refresh();
    // Colours each data row by its entry's state, then sizes the columns and rows.
    void colour();
    // The record number in a grid row's first cell, 0 when it holds none.
    int recordNoOfRow(int row) const;
    bool isDataRow(int row) const;
    void setupGrid();
    void colourPicked(int state, const QColor& colour);

    QString m_programDir;
    Platform& m_platform;
    DiaryBook m_book;
    DiaryColors m_colors;
    DiaryFilter m_filter;
    CGridCtrl* m_grid = nullptr;
    std::array<ColourPickerButton*, DiaryColors::StateCount> m_colourButtons{};
};
