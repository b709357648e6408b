// The diary window: the grid after New, Show All, Delete, Modify and Select, the state
// colours, the messages, and the files it keeps.
#include "controls/CGridCtrl.h"
#include "controls/ColourPickerButton.h"
#include "controls/HelpViewer.h"
#include "controls/MessageBox.h"
#include "diary/CWorkDiary.h"
#include "diary/DiaryEntryDialog.h"
#include "diary/DiaryFilterDialog.h"
#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class DiaryGui : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
        HelpViewer::setTestMode(true);
        ColourPickerButton::setNextColour(std::nullopt);
        fake.clock().setNow(1709543100);
    }
    void TearDown() override { MessageBox::setTestMode(false); }

    std::unique_ptr<CWorkDiary> open() { return std::make_unique<CWorkDiary>(dir.path(), fake.platform()); }

    // New, with the editor filled in and OK pressed.
    static void create(CWorkDiary& diary, const QString& title, const QString& state = QStringLiteral("on Schedule"))
    {
        whenModal([&](QDialog* d) {
            setText(d, DiaryEntryDialog::IdTitle, title);
            child<QComboBox>(d, DiaryEntryDialog::IdSchedule)->setCurrentText(state);
            click(d, DiaryEntryDialog::IdOk);
        });
        diary.newEntry();
    }

    static QStringList column(const CWorkDiary& diary, int c)
    {
        QStringList texts;
        for (int r = 1; r < diary.grid()->rowCount(); ++r)
            texts << diary.grid()->itemText(r, c);
        return texts;
    }

    FakePlatform fake;
    TempDir dir;
};

const QString Empty;

} // namespace

TEST_F(DiaryGui, NewEntriesShowNewestFirstAndShowAllOldestFirst)
{
    auto diary = open();
    EXPECT_EQ(diary->windowTitle(), QStringLiteral("Diary"));
    CGridCtrl* grid = diary->grid();
    ASSERT_EQ(grid->columnCount(), 8);
    EXPECT_EQ(grid->rowCount(), 2) << "the header and one empty row";
    EXPECT_EQ(grid->itemText(0, 0), QStringLiteral("Record No."));
    EXPECT_EQ(grid->itemText(0, 7), QStringLiteral("Weather"));
    EXPECT_EQ(grid->itemFormat(0, 3), Qt::AlignCenter);
    EXPECT_EQ(grid->gridLineColour(), QColor(200, 200, 200));
    EXPECT_FALSE(grid->isEditable());

    QString header;
    whenModal([&](QDialog* d) {
        header = static_cast<DiaryEntryDialog*>(d)->header();
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Write Diary"));
        EXPECT_EQ(child<QDateTimeEdit>(d, DiaryEntryDialog::IdStart)->dateTime().toSecsSinceEpoch(), 1709543100);
        EXPECT_EQ(child<QDateTimeEdit>(d, DiaryEntryDialog::IdExpire)->dateTime().toSecsSinceEpoch(), 1709543100 + 86400);
        EXPECT_EQ(child<QDateTimeEdit>(d, DiaryEntryDialog::IdStart)->displayFormat(), QStringLiteral("HH':'mm':'ss dddd MMM dd', 'yyyy"));
        EXPECT_EQ(child<QComboBox>(d, DiaryEntryDialog::IdWeather)->currentText(), QStringLiteral("Sunny"));
        EXPECT_EQ(child<QComboBox>(d, DiaryEntryDialog::IdWeather)->count(), 12);
        EXPECT_EQ(child<QComboBox>(d, DiaryEntryDialog::IdSchedule)->currentText(), QStringLiteral("on Schedule"));
        setText(d, DiaryEntryDialog::IdTitle, QStringLiteral("first"));
        click(d, DiaryEntryDialog::IdOk);
    });
    diary->newEntry();
    EXPECT_EQ(header, QStringLiteral("New Diary"));
    create(*diary, QStringLiteral("second"));
    create(*diary, QStringLiteral("third"));

    EXPECT_EQ(column(*diary, 0), (QStringList{QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1"), Empty}));
    EXPECT_EQ(column(*diary, 1), (QStringList{QStringLiteral("third"), QStringLiteral("second"), QStringLiteral("first"), Empty}));
    const int last = grid->rowCount() - 1;
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(grid->itemBkColour(last, c), QColor(Qt::white));
        EXPECT_EQ(grid->itemBkColour(1, c), QColor(Qt::white));
        EXPECT_EQ(grid->itemFgColour(1, c), QColor(Qt::black));
    }
    for (int c = 0; c < 8; ++c)
        EXPECT_LE(grid->columnWidth(c), CWorkDiary::MaxColumnWidth);
    for (int r = 0; r < grid->rowCount(); ++r)
        EXPECT_LE(grid->rowHeight(r), CWorkDiary::MaxRowHeight);

    EXPECT_EQ(grid->focusCell().row, -1) << "the rows were made anew: none is focused";

    click(diary.get(), CWorkDiary::IdShowAll);
    EXPECT_EQ(column(*diary, 0), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), Empty}));

    // Cancel adds nothing.
    whenModal([](QDialog* d) { click(d, DiaryEntryDialog::IdCancel); });
    diary->newEntry();
    EXPECT_EQ(diary->book().size(), 3);
}

TEST_F(DiaryGui, DeletingNumberTwoRemovesTheSecondEntryAndRenumbers)
{
    auto diary = open();
    for (const char* t : {"one", "two", "three"})
        create(*diary, QString::fromLatin1(t), QStringLiteral("Cancellation"));
    CGridCtrl* grid = diary->grid();
    // Rows 3, 2, 1: number 2 is the second data row.
    grid->setCurrentCell(2, 1);
    ASSERT_EQ(grid->itemText(2, 0), QStringLiteral("2"));
    click(diary.get(), CWorkDiary::IdDelete);
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    ASSERT_EQ(diary->book().size(), 2);
    EXPECT_EQ(diary->book().entries.at(0).title, QStringLiteral("one"));
    EXPECT_EQ(diary->book().entries.at(1).title, QStringLiteral("three"));
    EXPECT_EQ(column(*diary, 0), (QStringList{QStringLiteral("2"), QStringLiteral("1"), Empty}));
    EXPECT_EQ(column(*diary, 1), (QStringList{QStringLiteral("three"), QStringLiteral("one"), Empty}));
    // Still coloured as "Cancellation": grey with dark grey text; the last row white.
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(grid->itemBkColour(1, c), QColor(200, 200, 200));
        EXPECT_EQ(grid->itemFgColour(1, c), QColor(55, 55, 55));
        EXPECT_EQ(grid->itemBkColour(3, c), QColor(Qt::white));
    }
    // The file holds what is shown.
    DiaryBook stored;
    ASSERT_EQ(stored.load(dir.file(QStringLiteral("Diary.tmp"))), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(stored.entries, diary->book().entries);

    // Several rows at once: numbers go highest first, the empty last row is left out.
    grid->clearSelection();
    grid->setRangeSelected(QTableWidgetSelectionRange(1, 0, 3, 2), true);
    click(diary.get(), CWorkDiary::IdDelete);
    EXPECT_EQ(diary->book().size(), 0);
    EXPECT_EQ(grid->rowCount(), 2);
}

TEST_F(DiaryGui, NothingChosenGivesTheMessageForModifyAndDelete)
{
    auto diary = open();
    create(*diary, QStringLiteral("one"));
    CGridCtrl* grid = diary->grid();
    grid->clearSelection();
    grid->setCurrentIndex(QModelIndex());
    click(diary.get(), CWorkDiary::IdModify);
    click(diary.get(), CWorkDiary::IdDelete);
    const auto shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 2);
    for (const auto& s : shown) {
        EXPECT_EQ(s.caption, QStringLiteral("Error"));
        EXPECT_EQ(s.text, QStringLiteral("Please choose the record to be deleted."));
        EXPECT_EQ(s.icon, QMessageBox::Information);
    }
    // Only the empty last row chosen: Delete has nothing, Modify does nothing at all.
    grid->setCurrentCell(2, 0);
    click(diary.get(), CWorkDiary::IdModify);
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    click(diary.get(), CWorkDiary::IdDelete);
    EXPECT_EQ(MessageBox::takeShown().size(), 1);
    EXPECT_EQ(diary->book().size(), 1);
}

TEST_F(DiaryGui, ModifyEditsTheFocusedEntry)
{
    auto diary = open();
    create(*diary, QStringLiteral("one"));
    create(*diary, QStringLiteral("two"));
    diary->grid()->setCurrentCell(2, 3); // record 1
    QString header;
    whenModal([&](QDialog* d) {
        header = static_cast<DiaryEntryDialog*>(d)->header();
        EXPECT_EQ(child<QLineEdit>(d, DiaryEntryDialog::IdTitle)->text(), QStringLiteral("one"));
        setText(d, DiaryEntryDialog::IdTitle, QStringLiteral("one, changed"));
        child<QComboBox>(d, DiaryEntryDialog::IdWeather)->setCurrentText(QStringLiteral("Snow"));
        child<QPlainTextEdit>(d, DiaryEntryDialog::IdContent)->setPlainText(QStringLiteral("a\nb"));
        click(d, DiaryEntryDialog::IdOk);
    });
    click(diary.get(), CWorkDiary::IdModify);
    EXPECT_EQ(header, QStringLiteral("Modify Diary"));
    const DiaryEntry& e = diary->book().entries.at(0);
    EXPECT_EQ(e.title, QStringLiteral("one, changed"));
    EXPECT_EQ(e.weather, QStringLiteral("Snow"));
    EXPECT_EQ(e.content, QStringLiteral("a\r\nb")) << "multi-line texts keep Windows line breaks";
    EXPECT_EQ(column(*diary, 1).value(1), QStringLiteral("one, changed"));

    // A double-click on a data row opens the editor too; an untouched entry comes back as it was.
    whenModal([](QDialog* d) { click(d, DiaryEntryDialog::IdOk); });
    Q_EMIT diary->grid()->cellDoubleClicked(2, 0);
    EXPECT_EQ(diary->book().entries.at(0), e);
}

TEST_F(DiaryGui, SelectFiltersOldestFirstAndAllBoxesOffEqualsShowAll)
{
    auto diary = open();
    create(*diary, QStringLiteral("plan the week"));
    create(*diary, QStringLiteral("Plan B"));
    create(*diary, QStringLiteral("unrelated"));
    create(*diary, QStringLiteral("floor plan"));

    whenModal([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Select Diary"));
        for (int id : {DiaryFilterDialog::IdByStart, DiaryFilterDialog::IdByExpire, DiaryFilterDialog::IdByWeather,
                 DiaryFilterDialog::IdBySchedule, DiaryFilterDialog::IdByTitle, DiaryFilterDialog::IdByContent,
                 DiaryFilterDialog::IdByRemark})
            EXPECT_FALSE(child<QCheckBox>(d, id)->isChecked());
        child<QCheckBox>(d, DiaryFilterDialog::IdByTitle)->setChecked(true);
        setText(d, DiaryFilterDialog::IdTitle, QStringLiteral("plan"));
        click(d, DiaryFilterDialog::IdOk);
    });
    click(diary.get(), CWorkDiary::IdSelect);
    EXPECT_EQ(column(*diary, 1), (QStringList{QStringLiteral("plan the week"), QStringLiteral("floor plan"), Empty}));
    EXPECT_EQ(column(*diary, 0), (QStringList{QStringLiteral("1"), QStringLiteral("4"), Empty}));

    // The filter is remembered; Cancel changes nothing.
    whenModal([](QDialog* d) {
        EXPECT_TRUE(child<QCheckBox>(d, DiaryFilterDialog::IdByTitle)->isChecked());
        EXPECT_EQ(child<QLineEdit>(d, DiaryFilterDialog::IdTitle)->text(), QStringLiteral("plan"));
        click(d, DiaryFilterDialog::IdCancel);
    });
    click(diary.get(), CWorkDiary::IdSelect);
    EXPECT_EQ(column(*diary, 0), (QStringList{QStringLiteral("1"), QStringLiteral("4"), Empty}));

    whenModal([](QDialog* d) {
        child<QCheckBox>(d, DiaryFilterDialog::IdByTitle)->setChecked(false);
        click(d, DiaryFilterDialog::IdOk);
    });
    click(diary.get(), CWorkDiary::IdSelect);
    const QStringList selected = column(*diary, 0);
    click(diary.get(), CWorkDiary::IdShowAll);
    EXPECT_EQ(selected, column(*diary, 0));
    EXPECT_EQ(selected.size(), 5);
}

TEST_F(DiaryGui, AChangedStateColourRecoloursAndSurvivesARestart)
{
    {
        auto diary = open();
        create(*diary, QStringLiteral("late"), QStringLiteral("behind Schedule"));
        create(*diary, QStringLiteral("fine"));
        ColourPickerButton::setNextColour(QColor(255, 0, 0));
        click(diary.get(), CWorkDiary::IdBehindSchedule);
        CGridCtrl* grid = diary->grid();
        // Row 2 is "late" (newest first).
        EXPECT_EQ(grid->itemBkColour(2, 1), QColor(255, 0, 0));
        EXPECT_EQ(grid->itemFgColour(2, 1), QColor(255, 255, 0));
        EXPECT_EQ(grid->itemBkColour(1, 1), QColor(Qt::white));
        // A cancelled chooser keeps the colour.
        ColourPickerButton::setNextColour(QColor());
        click(diary.get(), CWorkDiary::IdBehindSchedule);
        EXPECT_EQ(diary->colourButton(DiaryColors::BehindSchedule)->colour(), QColor(255, 0, 0));
    }
    EXPECT_EQ(dir.read(QStringLiteral("DiaryColor.tmp")).toHex(), QByteArray("ffffff00" "ff000000" "ffffff00" "c8c8c800"));
    auto again = open();
    EXPECT_EQ(again->colourButton(DiaryColors::BehindSchedule)->colour(), QColor(255, 0, 0));
    EXPECT_EQ(again->grid()->itemBkColour(2, 0), QColor(255, 0, 0));
    EXPECT_EQ(again->colourButton(DiaryColors::Cancellation)->colour(), QColor(200, 200, 200));
}

TEST_F(DiaryGui, DamagedDiaryIsKeptAsideAndTheWindowStartsEmpty)
{
    dir.write(QStringLiteral("Diary.tmp"), QByteArray("\x05\x00\x00\x00\x01\x02", 6));
    auto diary = open();
    EXPECT_EQ(diary->book().size(), 0);
    EXPECT_EQ(diary->grid()->rowCount(), 2);
    EXPECT_EQ(dir.read(QStringLiteral("Diary.tmp.bad")), QByteArray("\x05\x00\x00\x00\x01\x02", 6));
    // The empty book written at start replaces nothing the user had.
    EXPECT_EQ(dir.read(QStringLiteral("Diary.tmp")), QByteArray(4, '\0'));
}

TEST_F(DiaryGui, HideCloseAndHelp)
{
    auto diary = open();
    diary->show();
    click(diary.get(), CWorkDiary::IdHide);
    EXPECT_FALSE(diary->isVisible());
    diary->show();
    click(diary.get(), 1064);
    EXPECT_FALSE(diary->isVisible());
    click(diary.get(), 1065);
    EXPECT_EQ(HelpViewer::lastContext(), 1003);
    EXPECT_TRUE(QFile::exists(QString::fromUtf8(qgetenv("QUILLORA_SOURCE_DIR")) + QStringLiteral("/help/1003.html")));
}
