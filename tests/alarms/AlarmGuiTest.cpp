#include "alarms/AlarmDialog.h"
#include "alarms/AlarmPage.h"
#include "support/FakePlatform.h"
#include "controls/HelpViewer.h"
#include "controls/ItemFileChooser.h"
#include "controls/ItemListView.h"
#include "controls/MessageBox.h"
#include "support/ModalHelper.h"
#include "alarms/PopUpHost.h"
#include "controls/PopupMenu.h"
#include "support/TempDir.h"
#include "support/TestWait.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

qint64 at(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime).toSecsSinceEpoch();
}

class AlarmGui : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
        HelpViewer::setTestMode(true);
        ItemFileChooser::clearNextFileName();
        fake.clock().setNow(at(2024, 3, 4, 10, 0, 0));
    }
    void TearDown() override { MessageBox::setTestMode(false); }

    FakePlatform fake;
    TempDir dir;
};

QSpinBox* spin(QWidget* d, int id)
{
    return child<QSpinBox>(d, id);
}

QDateTimeEdit* picker(QWidget* d)
{
    return child<QDateTimeEdit>(d, AlarmDialog::IdAlarmAt);
}

} // namespace

TEST_F(AlarmGui, DelayFieldsMoveTheStartTime)
{
    AlarmDialog d(AlarmRecord{}, true, fake.clock());
    const qint64 base = fake.clock().now();
    EXPECT_EQ(d.base(), base);
    EXPECT_EQ(d.alarm().startTime, base);
    struct Case
    {
        int hours, minutes, seconds;
        qint64 offset;
    };
    const Case cases[] = {
        {5, 0, 0, 18000},
        {25, 0, 0, 90000},
        {26, 3, 4, 26 * 3600 + 3 * 60 + 4},
        {-1, -30, 0, -5400},
        {0, 0, -59, -59},
        {0, -1, 30, -30},
    };
    for (const Case& c : cases) {
        spin(&d, AlarmDialog::IdHours)->setValue(c.hours);
        spin(&d, AlarmDialog::IdMinutes)->setValue(c.minutes);
        spin(&d, AlarmDialog::IdSeconds)->setValue(c.seconds);
        EXPECT_EQ(d.alarm().startTime, base + c.offset) << c.hours << ' ' << c.minutes << ' ' << c.seconds;
        EXPECT_EQ(picker(&d)->dateTime().toSecsSinceEpoch(), base + c.offset);
    }
    // The edits hold their values to the ranges.
    spin(&d, AlarmDialog::IdMinutes)->setValue(75);
    spin(&d, AlarmDialog::IdHours)->setValue(-40000);
    EXPECT_EQ(spin(&d, AlarmDialog::IdMinutes)->value(), 59);
    EXPECT_EQ(spin(&d, AlarmDialog::IdHours)->value(), -30000);
}

TEST_F(AlarmGui, TypedValuesBeyondTheRangesAreClamped)
{
    // Typed as a user types them, one key at a time: a value past the range becomes the
    // nearest end of it instead of losing the key.
    const struct
    {
        int id;
        const char* typed;
        int value;
    } cases[] = {
        {AlarmDialog::IdMinutes, "75", 59},
        {AlarmDialog::IdMinutes, "-75", -59},
        {AlarmDialog::IdSeconds, "61", 59},
        {AlarmDialog::IdSeconds, "-100", -59},
        {AlarmDialog::IdHours, "40000", 30000},
        {AlarmDialog::IdHours, "-99999", -30000},
        {AlarmDialog::IdSoundCount, "250", 100},
    };
    for (const auto& c : cases) {
        AlarmRecord a;
        a.playSound = 1;
        AlarmDialog d(a, true, fake.clock());
        QSpinBox* s = spin(&d, c.id);
        s->setFocus();
        s->selectAll();
        QTest::keyClicks(s, QString::fromLatin1(c.typed));
        EXPECT_EQ(s->value(), c.value) << c.typed;
        EXPECT_EQ(s->text(), QString::number(c.value)) << c.typed;
        if (c.id != AlarmDialog::IdSoundCount) {
            const AlarmRecord r = d.alarm();
            EXPECT_EQ(r.startTime - d.base(), qint64(r.delayHours) * 3600 + r.delayMinutes * 60 + r.delaySeconds) << c.typed;
        } else {
            EXPECT_EQ(d.alarm().soundCount, c.value);
        }
    }
}

TEST_F(AlarmGui, PickingADateRewritesTheDelay)
{
    AlarmRecord stored;
    stored.startTime = at(2024, 5, 1, 8, 0, 0);
    stored.delayHours = 7; // shown as stored until something changes
    AlarmDialog d(stored, false, fake.clock());
    EXPECT_EQ(d.base(), stored.startTime);
    EXPECT_EQ(spin(&d, AlarmDialog::IdHours)->value(), 7);
    const struct
    {
        qint64 offset;
        int hours, minutes, seconds;
    } cases[] = {
        {86400 + 2 * 3600 + 3 * 60 + 4, 26, 3, 4},
        {-61, 0, -1, -1},
        {-(2 * 3600 + 3 * 60 + 4), -2, -3, -4},
        {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        picker(&d)->setDateTime(QDateTime::fromSecsSinceEpoch(stored.startTime + c.offset, Qt::LocalTime));
        EXPECT_EQ(d.alarm().startTime, stored.startTime + c.offset);
        EXPECT_EQ(spin(&d, AlarmDialog::IdHours)->value(), c.hours) << c.offset;
        EXPECT_EQ(spin(&d, AlarmDialog::IdMinutes)->value(), c.minutes) << c.offset;
        EXPECT_EQ(spin(&d, AlarmDialog::IdSeconds)->value(), c.seconds) << c.offset;
    }
    EXPECT_EQ(picker(&d)->minimumDateTime(), QDateTime(QDate(2007, 1, 1), QTime(0, 0), Qt::LocalTime));
    EXPECT_EQ(picker(&d)->maximumDateTime(), QDateTime(QDate(2037, 1, 1), QTime(0, 0), Qt::LocalTime));
}

TEST_F(AlarmGui, EnablingsFollowTheChoices)
{
    AlarmDialog d(AlarmRecord{}, true, fake.clock());
    auto* repeat = child<QComboBox>(&d, AlarmDialog::IdRepeat);
    auto* weekday = child<QComboBox>(&d, AlarmDialog::IdWeekday);
    EXPECT_EQ(repeat->currentText(), QStringLiteral("One Time"));
    EXPECT_EQ(weekday->currentText(), QStringLiteral("Monday"));
    EXPECT_FALSE(weekday->isEnabled());
    repeat->setCurrentIndex(AlarmRecord::Weekly);
    EXPECT_TRUE(weekday->isEnabled());
    repeat->setCurrentIndex(AlarmRecord::Monthly);
    EXPECT_FALSE(weekday->isEnabled());

    auto* play = child<QCheckBox>(&d, AlarmDialog::IdPlaySound);
    const QList<int> soundIds = {AlarmDialog::IdSoundPath, AlarmDialog::IdSoundBrowse, AlarmDialog::IdSoundCount};
    for (int id : soundIds)
        EXPECT_FALSE(child<QWidget>(&d, id)->isEnabled()) << id;
    play->setChecked(true);
    for (int id : soundIds)
        EXPECT_TRUE(child<QWidget>(&d, id)->isEnabled()) << id;
    auto* run = child<QCheckBox>(&d, AlarmDialog::IdRunApp);
    EXPECT_FALSE(child<QWidget>(&d, AlarmDialog::IdRunPath)->isEnabled());
    run->setChecked(true);
    EXPECT_TRUE(child<QWidget>(&d, AlarmDialog::IdRunPath)->isEnabled());
    EXPECT_TRUE(child<QWidget>(&d, AlarmDialog::IdRunBrowse)->isEnabled());

    auto* count = spin(&d, AlarmDialog::IdSoundCount);
    count->setValue(250);
    EXPECT_EQ(d.alarm().soundCount, 100);
    count->setValue(-2);
    EXPECT_EQ(d.alarm().soundCount, 0);
}

TEST_F(AlarmGui, FileChoosersAndTheNameCheck)
{
    AlarmDialog d(AlarmRecord{}, true, fake.clock());
    child<QCheckBox>(&d, AlarmDialog::IdPlaySound)->setChecked(true);
    child<QCheckBox>(&d, AlarmDialog::IdRunApp)->setChecked(true);
    dir.write(QStringLiteral("ring.wav"), "RIFF");
    ItemFileChooser::setNextFileName(dir.file(QStringLiteral("ring.wav")));
    click(&d, AlarmDialog::IdSoundBrowse);
    EXPECT_EQ(ItemFileChooser::lastFilter(), QStringLiteral("wave file(*.wav)|*.wav||"));
    QList<MessageBox::Shown> shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.at(0).text, dir.file(QStringLiteral("ring.wav")));
    ItemFileChooser::setNextFileName(QStringLiteral("/usr/bin/env"));
    click(&d, AlarmDialog::IdRunBrowse);
    EXPECT_EQ(ItemFileChooser::lastFilter(), QString::fromUtf8("所有文件(*.*)|*.*|可执行文件(*.exe)|*.exe||"));
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());
    EXPECT_EQ(d.alarm().soundPath, dir.file(QStringLiteral("ring.wav")));
    EXPECT_EQ(d.alarm().runPath, QStringLiteral("/usr/bin/env"));
    // A cancelled chooser keeps the path.
    ItemFileChooser::setNextFileName(QString());
    click(&d, AlarmDialog::IdRunBrowse);
    EXPECT_EQ(d.alarm().runPath, QStringLiteral("/usr/bin/env"));

    bool stayedOpen = false;
    whenModal([&](QDialog* dlg) {
        setText(dlg, AlarmDialog::IdName, QString());
        click(dlg, AlarmDialog::IdOk);
        stayedOpen = dlg->isVisible();
        setText(dlg, AlarmDialog::IdName, QStringLiteral("x"));
        click(dlg, AlarmDialog::IdOk);
    });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
    EXPECT_TRUE(stayedOpen);
    shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.at(0).caption, QStringLiteral("Error"));
    EXPECT_EQ(shown.at(0).text, QStringLiteral("Please input an char at least."));
    EXPECT_EQ(d.alarm().name, QStringLiteral("x"));

    // Help opens context 1004.
    click(&d, 1065);
    EXPECT_EQ(HelpViewer::lastContext(), 1004);
}

TEST_F(AlarmGui, NowTimeIsRefreshedEvery450Ms)
{
    AlarmDialog d(AlarmRecord{}, true, fake.clock());
    auto* time = child<QLabel>(&d, AlarmDialog::IdNowTime);
    auto* date = child<QLabel>(&d, AlarmDialog::IdNowDate);
    EXPECT_EQ(time->text(), QStringLiteral("10:00:00,"));
    EXPECT_EQ(date->text(), QStringLiteral("Monday, March 04, 2024"));
    EXPECT_EQ(d.nowTimer()->interval(), 450);
    EXPECT_TRUE(d.nowTimer()->isActive());
    fake.clock().setNow(at(2024, 12, 25, 23, 59, 58));
    EXPECT_TRUE(waitUntil([&] { return time->text() == QStringLiteral("23:59:58,"); }, 3000));
    EXPECT_EQ(date->text(), QStringLiteral("Wednesday, December 25, 2024"));
}

TEST_F(AlarmGui, PageAddsEditsAndStoresAlarms)
{
    {
        AlarmPage page(dir.path(), fake.platform());
        page.resize(200, 300);
        page.show();
        EXPECT_TRUE(page.scheduler().isActive());
        ItemListView* view = page.listView();
        EXPECT_TRUE(view->showsPlaceholder());
        EXPECT_EQ(view->item(1)->text(), QStringLiteral("Please right-click mouse to add an alarm."));

        // Double-click on the placeholder: the prompt with caption "Error".
        view->item(1)->setSelected(true);
        Q_EMIT view->rowDoubleClicked(1);
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown.at(0).caption, QStringLiteral("Error"));
        EXPECT_EQ(shown.at(0).text, QStringLiteral("Please right-click mouse to add an alarm."));

        whenModal([](QDialog* d) {
            setText(d, AlarmDialog::IdName, QStringLiteral("Tea"));
            spin(d, AlarmDialog::IdHours)->setValue(5);
            click(d, AlarmDialog::IdOk);
        });
        page.addAlarm(-1);
        ASSERT_EQ(page.records().size(), 1);
        EXPECT_EQ(view->item(0)->text(), QStringLiteral(" Tea"));
        EXPECT_EQ(page.records().items.at(0).startTime, fake.clock().now() + 18000);
        EXPECT_EQ(page.records().items.at(0).delayHours, 5);

        // Property through a double-click on the row: a copy, taken back on OK only.
        view->clearSelection();
        view->item(0)->setSelected(true);
        whenModal([](QDialog* d) {
            setText(d, AlarmDialog::IdName, QStringLiteral("Coffee"));
            click(d, AlarmDialog::IdCancel);
        });
        Q_EMIT view->rowDoubleClicked(0);
        EXPECT_EQ(page.records().items.at(0).name, QStringLiteral("Tea"));
        whenModal([](QDialog* d) {
            setText(d, AlarmDialog::IdName, QStringLiteral("Coffee"));
            click(d, AlarmDialog::IdOk);
        });
        Q_EMIT view->rowDoubleClicked(0);
        EXPECT_EQ(view->item(0)->text(), QStringLiteral("Coffee"));
        EXPECT_EQ(page.records().lastOpenedIndex, 0);
    }
    AlarmList stored;
    ASSERT_EQ(stored.load(dir.file(QStringLiteral("Alarm.tmp"))), DataFile::LoadStatus::Loaded);
    ASSERT_EQ(stored.items.size(), 1);
    EXPECT_EQ(stored.items.at(0).name, QStringLiteral("Coffee"));
    EXPECT_EQ(stored.lastOpenedIndex, 0);
}

TEST_F(AlarmGui, PageInsertsBeforeTheRightClickedRowAndDeletesTheSelection)
{
    AlarmList l;
    for (const char* n : {"a", "b", "c"}) {
        AlarmRecord a;
        a.name = QString::fromLatin1(n);
        a.repeat = AlarmRecord::Never;
        l.items.append(a);
    }
    ASSERT_TRUE(l.store(dir.file(QStringLiteral("Alarm.tmp"))));
    AlarmPage page(dir.path(), fake.platform());
    page.resize(200, 300);
    page.show();
    ItemListView* view = page.listView();
    const auto rows = [view] {
        QStringList out;
        for (int i = 0; i < view->count(); ++i)
            out << view->item(i)->text();
        return out;
    };

    const auto answerName = [](const QString& name) {
        whenModal([name](QDialog* d) {
            setText(d, AlarmDialog::IdName, name);
            click(d, AlarmDialog::IdOk);
        });
    };
    answerName(QStringLiteral("new"));
    rightClick(view, 1, AlarmPage::IdAdd);
    EXPECT_EQ(rows(), (QStringList{QStringLiteral(" a"), QStringLiteral(" new"), QStringLiteral(" b"), QStringLiteral(" c")}));
    answerName(QStringLiteral("top"));
    rightClick(view, -1, AlarmPage::IdAdd);
    EXPECT_EQ(rows().first(), QStringLiteral(" top"));

    // Rows 1 and 3 go; the others keep their order.
    view->clearSelection();
    view->item(1)->setSelected(true);
    view->item(3)->setSelected(true);
    rightClick(view, 3, AlarmPage::IdDelete);
    EXPECT_EQ(rows(), (QStringList{QStringLiteral(" top"), QStringLiteral(" new"), QStringLiteral(" c")}));
    AlarmList stored;
    ASSERT_EQ(stored.load(page.itemFile()), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(stored.items.size(), 3);

    // All of them: the placeholder comes back and the file holds none; Delete on the
    // placeholder changes nothing.
    view->selectAll();
    rightClick(view, 0, AlarmPage::IdDelete);
    EXPECT_TRUE(view->showsPlaceholder());
    EXPECT_EQ(dir.read(QStringLiteral("Alarm.tmp")).left(4), QByteArray(4, '\0'));
    view->selectAll();
    page.deleteSelected();
    EXPECT_TRUE(view->showsPlaceholder());
    EXPECT_EQ(rows(), (QStringList{QString(), AlarmPage::prompt()}));
}

namespace {
class CountingHost final : public PopUpHost
{
public:
    int forward = 0;
    QStringList messages;
    void bringPanelForward() override { ++forward; }
    void showAlarmMessage(const QString& info) override { messages << info; }
};
} // namespace

TEST_F(AlarmGui, PageSchedulerFiresThroughTheHost)
{
    AlarmList l;
    AlarmRecord a;
    a.name = QStringLiteral("Stand up");
    a.startTime = fake.clock().now() + 2;
    a.popUp = 1;
    a.info = QStringLiteral("Stretch!");
    l.items = {a};
    ASSERT_TRUE(l.store(dir.file(QStringLiteral("Alarm.tmp"))));
    CountingHost host;
    AlarmPage page(dir.path(), fake.platform(), &host);
    fake.clock().advance(2);
    // The page's own timer ticks within about a second.
    EXPECT_TRUE(waitUntil([&] { return !host.messages.isEmpty(); }, 3000));
    EXPECT_EQ(host.forward, 1);
    EXPECT_EQ(host.messages, QStringList{QStringLiteral("Stretch!")});
}
