#include "calc/CCalculatorDlg.h"
#include "calc/CMetrologyDlg.h"
#include "controls/MessageBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

template <typename T>
T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

void clickKeys(CCalculatorDlg& dlg, const QStringList& labels)
{
    for (const QString& label : labels) {
        QPushButton* b = dlg.keyButton(label);
        ASSERT_NE(b, nullptr) << label.toStdString();
        b->click();
    }
}

// Types into an edit as the user would, one key event per character.
void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(edit, &press);
    }
}

void pressBackspaces(QLineEdit* edit, int count)
{
    edit->setCursorPosition(int(edit->text().size()));
    for (int i = 0; i < count; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &press);
    }
}

class CalculatorWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
    }
    void TearDown() override { MessageBox::takeShown(); }
};

TEST_F(CalculatorWindows, KeypadClicksReachTheDisplay)
{
    CCalculatorDlg dlg;
    dlg.show();
    auto* display = child<QLineEdit>(&dlg, "display");
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Science Calculator"));
    EXPECT_EQ(display->text(), QStringLiteral("0"));
    EXPECT_TRUE(child<QRadioButton>(&dlg, "angle")->isChecked());

    clickKeys(dlg, {QStringLiteral("2"), QStringLiteral("+"), QStringLiteral("3"), QStringLiteral("*"),
                    QStringLiteral("4"), QStringLiteral("=")});
    EXPECT_EQ(display->text(), QStringLiteral("20"));

    clickKeys(dlg, {QStringLiteral("C"), QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("sin")});
    EXPECT_EQ(display->text(), QStringLiteral("0.5"));

    child<QCheckBox>(&dlg, "inv")->click();
    clickKeys(dlg, {QStringLiteral("9"), QStringLiteral("x^2")});
    EXPECT_EQ(display->text(), QStringLiteral("3"));
    EXPECT_FALSE(child<QCheckBox>(&dlg, "inv")->isChecked());

    clickKeys(dlg, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("Backspace")});
    EXPECT_EQ(display->text(), QStringLiteral("12"));

    // Hidden and shown again, the window keeps its state.
    dlg.hide();
    dlg.show();
    EXPECT_EQ(display->text(), QStringLiteral("12"));
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
}

TEST_F(CalculatorWindows, TheFormulaLineEvaluatesAndTellsAFieldThatIsNotANumber)
{
    CCalculatorDlg dlg;
    dlg.show();
    auto* display = child<QLineEdit>(&dlg, "display");
    auto* express = child<QLineEdit>(&dlg, "express");
    auto* a1 = child<QLineEdit>(&dlg, "a1");
    auto* cal = child<QPushButton>(&dlg, "cal");
    ASSERT_TRUE(display && express && a1 && cal);
    EXPECT_EQ(express->text(), QStringLiteral("exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))"));
    EXPECT_EQ(a1->text(), QStringLiteral("30"));
    EXPECT_EQ(child<QLineEdit>(&dlg, "a2")->text(), QStringLiteral("45"));

    cal->click();
    EXPECT_EQ(display->text(), QStringLiteral("0.678560500673256"));

    // A click into the formula edit switches to radians.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), express->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(express, &press);
    EXPECT_TRUE(child<QRadioButton>(&dlg, "radian")->isChecked());

    // A typed formula survives key presses until "Cal" takes it.
    express->setText(QStringLiteral("a1*a2"));
    clickKeys(dlg, {QStringLiteral("7")});
    EXPECT_EQ(express->text(), QStringLiteral("a1*a2"));

    a1->setText(QStringLiteral("thirty"));
    cal->click();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.first().text, QStringLiteral("Please enter a number."));
    // a1 and the fields after it kept their values: the old formula ran.
    EXPECT_EQ(a1->text(), QStringLiteral("30"));
    EXPECT_EQ(express->text(), QStringLiteral("exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))"));
    EXPECT_EQ(display->text(), QStringLiteral("0.678560500673256"));

    express->setText(QStringLiteral("a1*a2"));
    cal->click();
    EXPECT_EQ(display->text(), QStringLiteral("1350"));
    express->setText(QStringLiteral("1/0"));
    cal->click();
    EXPECT_EQ(display->text(), QStringLiteral("0"));
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
}

TEST_F(CalculatorWindows, MetrologyConvertsOnEveryChange)
{
    CMetrologyDlg dlg;
    dlg.show();
    auto* tree = child<QTreeWidget>(&dlg, "categories");
    auto* fromList = child<QListWidget>(&dlg, "fromList");
    auto* toList = child<QListWidget>(&dlg, "toList");
    auto* fromEdit = child<QLineEdit>(&dlg, "fromEdit");
    auto* toEdit = child<QLineEdit>(&dlg, "toEdit");
    ASSERT_TRUE(tree && fromList && toList && fromEdit && toEdit);

    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Metrology"));
    EXPECT_EQ(tree->topLevelItemCount(), 38);
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("Acceleration"));
    EXPECT_EQ(fromList->count(), 18);
    EXPECT_EQ(fromList->item(0)->text(), QStringLiteral("Mile/sq.second"));
    EXPECT_EQ(toEdit->text(), QStringLiteral("1"));
    EXPECT_TRUE(toEdit->isReadOnly());

    tree->setCurrentItem(tree->findItems(QStringLiteral("Computer Storage"), Qt::MatchExactly).value(0));
    EXPECT_EQ(fromList->count(), 14);
    fromList->setCurrentRow(0); // ExaByte
    toList->setCurrentRow(2);   // PetaByte
    EXPECT_EQ(toEdit->text(), QStringLiteral("1024"));

    // Typing converts at once; a trailing point being typed stays.
    pressBackspaces(fromEdit, 1);
    EXPECT_EQ(MessageBox::takeShown().size(), 1); // the emptied edit is not a number
    EXPECT_EQ(fromEdit->text(), QStringLiteral("1"));
    typeInto(fromEdit, QStringLiteral("."));
    EXPECT_EQ(fromEdit->text(), QStringLiteral("1."));
    typeInto(fromEdit, QStringLiteral("5"));
    EXPECT_EQ(toEdit->text(), QStringLiteral("1536"));

    typeInto(fromEdit, QStringLiteral("x"));
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.first().text, QStringLiteral("Please enter a number."));
    EXPECT_EQ(fromEdit->text(), QStringLiteral("1.5"));
    EXPECT_EQ(toEdit->text(), QStringLiteral("1536"));

    // Temperature, and closing keeps the state for the next showing.
    tree->setCurrentItem(tree->findItems(QStringLiteral("Temperature"), Qt::MatchExactly).value(0));
    fromEdit->setText(QStringLiteral("100"));
    fromList->setCurrentRow(1); // Celsius
    toList->setCurrentRow(2);   // Fahrenheit
    EXPECT_EQ(toEdit->text(), QStringLiteral("212"));
    child<QPushButton>(&dlg, "close")->click();
    EXPECT_FALSE(dlg.isVisible());
    dlg.show();
    EXPECT_EQ(toEdit->text(), QStringLiteral("212"));
    EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("Temperature"));
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
}

} // namespace
