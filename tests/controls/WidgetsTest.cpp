// The skinned widgets: bitmap buttons, pop-up menu, line track bar, title strip.
#include "controls/BitmapButton.h"
#include "controls/ColourPickerButton.h"
#include "controls/LineTrackBar.h"
#include "controls/PopupMenu.h"
#include "controls/Skin.h"
#include "controls/TitleStrip.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
QPixmap filled(const QColor& colour, QSize size = {29, 33})
{
    QPixmap p(size);
    p.fill(colour);
    return p;
}

QColor shownColour(BitmapButton& b) { return b.grab().toImage().pixelColor(5, 5); }
} // namespace

TEST(BitmapButton, ShowsEachLookAndKeepsTheSelectedOne)
{
    BitmapButton b;
    b.setImages(filled(Qt::red), filled(Qt::green), filled(Qt::blue), filled(Qt::yellow));
    b.show();
    EXPECT_EQ(b.size(), QSize(29, 33));
    EXPECT_EQ(b.currentLook(), BitmapButton::Look::Normal);
    EXPECT_EQ(shownColour(b), QColor(Qt::red));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&b, &enter);
    EXPECT_EQ(b.currentLook(), BitmapButton::Look::Hover);
    EXPECT_EQ(shownColour(b), QColor(Qt::blue));

    b.setDown(true);
    EXPECT_EQ(shownColour(b), QColor(Qt::green));
    b.setDown(false);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&b, &leave);
    EXPECT_EQ(shownColour(b), QColor(Qt::red));

    // Selected: the pressed look stays, also after a click and while the mouse is over it.
    b.setSelected(true);
    EXPECT_TRUE(b.isSelected());
    QTest::mouseClick(&b, Qt::LeftButton);
    QApplication::sendEvent(&b, &enter);
    EXPECT_EQ(b.currentLook(), BitmapButton::Look::Pressed);
    EXPECT_EQ(shownColour(b), QColor(Qt::green));
    b.setSelected(false);
    QApplication::sendEvent(&b, &leave);
    EXPECT_EQ(shownColour(b), QColor(Qt::red));

    b.setEnabled(false);
    EXPECT_EQ(shownColour(b), QColor(Qt::yellow));
}

TEST(BitmapButton, ClickedOnlyWhenEnabled)
{
    BitmapButton b;
    b.setImages({220, 223, 221, 485});
    b.show();
    EXPECT_EQ(b.size(), QSize(29, 33));
    QSignalSpy clicked(&b, &BitmapButton::clicked);
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    b.setEnabled(false);
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(BitmapButton, WithoutADisabledPictureShowsTheNormalOneGreyed)
{
    BitmapButton b;
    b.setImages(filled(QColor(200, 30, 30)), filled(Qt::green), filled(Qt::blue));
    b.setEnabled(false);
    b.show();
    const QColor c = shownColour(b);
    EXPECT_NE(c, QColor(200, 30, 30));
    EXPECT_LT(qAbs(c.red() - c.green()) + qAbs(c.green() - c.blue()), 60) << "not greyed";
}

namespace {
// Runs act on the pop-up menu once it is on screen (gives up after five seconds).
void whenMenuShown(PopupMenu& menu, std::function<void()> act)
{
    auto* timer = new QTimer(&menu);
    auto deadline = std::make_shared<QDeadlineTimer>(5000);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &menu, act, deadline] {
        if (menu.isVisible()) {
            timer->stop();
            act();
        } else if (deadline->hasExpired()) {
            timer->stop();
            ADD_FAILURE() << "the menu did not open";
        }
    });
    timer->start();
}
} // namespace

TEST(PopupMenu, NextChoiceAnswersOnceWithoutShowing)
{
    PopupMenu menu;
    menu.addItem(32771, QStringLiteral("Setting"));
    menu.addItem(32772, QStringLiteral("Exit"));
    PopupMenu::setNextChoice(32772);
    EXPECT_EQ(menu.exec(QPoint(100, 100)), 32772);
    EXPECT_FALSE(menu.isVisible());

    // The hook is spent: the next exec() really opens the menu; closing it chooses nothing.
    whenMenuShown(menu, [&] { menu.close(); });
    EXPECT_EQ(menu.exec(QPoint(100, 100)), 0);

    PopupMenu::setNextChoice(32771);
    PopupMenu::setNextChoice(-1);
    whenMenuShown(menu, [&] { menu.close(); });
    EXPECT_EQ(menu.exec(QPoint(100, 100)), 0);
}

TEST(PopupMenu, ItemsCarryTheSmallImagesAndBothButtonsChoose)
{
    PopupMenu menu;
    menu.addItem(1145, QStringLiteral("Add"));
    menu.addItem(1146, QStringLiteral("Delete"));
    menu.addSeparator();
    menu.addItem(1147, QStringLiteral("Property"));
    ASSERT_NE(menu.item(1146), nullptr);
    EXPECT_EQ(menu.item(1146)->text(), QStringLiteral("Delete"));
    EXPECT_EQ(menu.item(9999), nullptr);
    const QIcon icon = menu.item(1145)->icon();
    EXPECT_EQ(icon.pixmap(16, QIcon::Normal).toImage(), Skin::resource(138).toImage());
    EXPECT_EQ(icon.pixmap(16, QIcon::Active).toImage(), Skin::resource(139).toImage());

    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        whenMenuShown(menu, [&] {
            const QPoint at = menu.actionGeometry(menu.item(1147)).center();
            QTest::mouseMove(&menu, at);
            QTest::mousePress(&menu, button, {}, at);
            QTest::mouseRelease(&menu, button, {}, at);
        });
        EXPECT_EQ(menu.exec(QPoint(50, 50)), 1147) << "button " << button;
    }
}

TEST(LineTrackBar, RangeValueAndOneSignalPerChange)
{
    LineTrackBar bar;
    bar.slider()->setObjectName(QStringLiteral("id1044"));
    bar.setRange(0, 256);
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 256);
    QSignalSpy changed(&bar, &LineTrackBar::valueChanged);

    struct Step
    {
        int set;
        int value;
        int reports;
    };
    const Step steps[] = {{200, 200, 1}, {200, 200, 0}, {300, 256, 1}, {-5, 0, 1}, {255, 255, 1}};
    for (const Step& s : steps) {
        changed.clear();
        bar.setValue(s.set);
        EXPECT_EQ(bar.value(), s.value) << "set " << s.set;
        EXPECT_EQ(bar.numberBox()->value(), s.value) << "set " << s.set;
        EXPECT_EQ(changed.count(), s.reports) << "set " << s.set;
        if (s.reports) {
            EXPECT_EQ(changed.last().at(0).toInt(), s.value);
        }
    }

    // Moving the thumb and typing into the number box report the same way.
    changed.clear();
    bar.slider()->setValue(17);
    EXPECT_EQ(bar.numberBox()->value(), 17);
    bar.numberBox()->setValue(42);
    EXPECT_EQ(bar.value(), 42);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 17);
    EXPECT_EQ(changed.at(1).at(0).toInt(), 42);

    // A narrower range pulls the value in and says so.
    changed.clear();
    bar.setRange(0, 10);
    EXPECT_EQ(bar.value(), 10);
    EXPECT_EQ(bar.numberBox()->value(), 10);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(bar.findChild<QSlider*>(QStringLiteral("id1044")), bar.slider());
}

TEST(TitleStrip, DragsItsWindowAndOffersItsButtons)
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(240, 120);
    window.move(100, 100);
    auto* strip = new TitleStrip(QStringLiteral("Calculator"), true, true, &window);
    strip->setGeometry(0, 0, 240, Skin::TitleHeight);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    auto* close = window.findChild<BitmapButton*>(QStringLiteral("id1064"));
    auto* help = window.findChild<BitmapButton*>(QStringLiteral("id1065"));
    ASSERT_NE(close, nullptr);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(close->isVisible());
    EXPECT_EQ(close->geometry().right(), 240 - 4);
    EXPECT_LT(help->x(), close->x());
    QSignalSpy closed(strip, &TitleStrip::closeClicked);
    QSignalSpy helped(strip, &TitleStrip::helpClicked);
    QTest::mouseClick(close, Qt::LeftButton);
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(helped.count(), 1);

    const QPoint before = window.pos();
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(40, 8));
    QTest::mouseMove(strip, QPoint(70, 28));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(70, 28));
    EXPECT_EQ(window.pos(), before + QPoint(30, 20));

    strip->setHelpButtonVisible(false);
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(close->geometry().right(), 240 - 4);
}

TEST(ColourPickerButton, ShowsItsColourAndTakesThePickedOne)
{
    ColourPickerButton button(QStringLiteral("on Schedule"));
    button.setColour(QColor(0, 128, 0));
    button.resize(120, 26);
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    EXPECT_EQ(button.grab().toImage().pixelColor(8, 13), QColor(0, 128, 0));

    QSignalSpy changed(&button, &ColourPickerButton::colourChanged);
    ColourPickerButton::setNextColour(QColor(255, 0, 0));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(button.colour(), QColor(255, 0, 0));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(button.grab().toImage().pixelColor(8, 13), QColor(255, 0, 0));

    // Cancelling the chooser keeps the colour.
    ColourPickerButton::setNextColour(QColor());
    button.pick();
    EXPECT_EQ(button.colour(), QColor(255, 0, 0));
    EXPECT_EQ(changed.count(), 1);
}
