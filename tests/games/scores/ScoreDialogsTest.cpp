// The name dialogs and the score lists: what they return however they are closed, the
// refusal of a short SameBall name, and what the lists show.
#include "controls/TitleStrip.h"
#include "games/scores/ScoreDialogs.h"
#include "support/ModalHelper.h"

#include <QLabel>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ScoreDialogs, WinlinezNameIsTheTypedNameOnlyAfterOk)
{
    const struct {
        const char* how;
        int button; // 1 OK, 2 Cancel, 1064 the title strip's Close
        QString name;
    } cases[] = {{"OK", 1, u"Ann"_s}, {"Cancel", 2, QString()}, {"Close", 1064, QString()}};
    for (const auto& c : cases) {
        whenModal([&](QDialog* dlg) {
            EXPECT_EQ(dlg->windowTitle(), u"Input your name"_s);
            EXPECT_NE(dlg->findChild<QLabel*>(), nullptr);
            setText(dlg, CInputNameDlg::IdName, u"Ann"_s);
            click(dlg, c.button);
        });
        EXPECT_EQ(CInputNameDlg::ask(nullptr), c.name) << c.how;
    }
}

TEST(ScoreDialogs, SameBallNameNeedsTwoCharactersForOk)
{
    whenModal([](QDialog* dlg) {
        auto* strip = dlg->findChild<TitleStrip*>();
        ASSERT_NE(strip, nullptr);
        EXPECT_EQ(strip->title(), u"Please input your Name"_s);
        setText(dlg, CSameBallNameDlg::IdName, u"A"_s);
        click(dlg, 1);
        EXPECT_TRUE(dlg->isVisible()) << "a one-letter name is refused";
        EXPECT_EQ(strip->title(), u"Sorry! your name is above two character."_s);
        setText(dlg, CSameBallNameDlg::IdName, u"Al"_s);
        click(dlg, 1);
    });
    EXPECT_EQ(CSameBallNameDlg::ask(nullptr), u"Al"_s);

    // Close ends it with whatever the edit holds.
    whenModal([](QDialog* dlg) {
        setText(dlg, CSameBallNameDlg::IdName, u"B"_s);
        click(dlg, 1064);
    });
    EXPECT_EQ(CSameBallNameDlg::ask(nullptr), u"B"_s);
}

TEST(ScoreDialogs, ListsShowTheEntries)
{
    CTopScoreDlg top(u"1   120    Ann\n2    45    Bo"_s);
    EXPECT_EQ(top.windowTitle(), u"Winlinez TopScore"_s);
    EXPECT_EQ(child<QLabel>(&top, CTopScoreDlg::IdTable)->text(), u"1   120    Ann\n2    45    Bo"_s);

    SameBallTopList list;
    list.enter(300, u"Bo"_s);
    const SameBallTopList::Result r = list.enter(1004, u"Ann"_s);
    CScoreListDlg dlg(list, r.slot, r.message());
    EXPECT_EQ(dlg.windowTitle(), u"Score List"_s);
    const QString names[5] = {u"Ann"_s, u"Bo"_s, u"NewPlayer"_s, u"NewPlayer"_s, u"NewPlayer"_s};
    const QString scores[5] = {u"1004"_s, u" 300"_s, u"   0"_s, u"   0"_s, u"   0"_s};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(child<QLabel>(&dlg, CScoreListDlg::IdFirstName + i)->text(), names[i]);
        EXPECT_EQ(child<QLabel>(&dlg, CScoreListDlg::IdFirstScore + i)->text(), scores[i]);
    }
    EXPECT_EQ(child<QLabel>(&dlg, CScoreListDlg::IdMessage)->text(), u"Congratulate yourself on the most top in top list."_s);
    EXPECT_EQ(child<QLabel>(&dlg, CScoreListDlg::IdFirstName)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_NE(child<QLabel>(&dlg, CScoreListDlg::IdFirstName + 1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

} // namespace
