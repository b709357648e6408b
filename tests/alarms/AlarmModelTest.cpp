#include "alarms/AlarmActions.h"
#include "alarms/AlarmDelay.h"
#include "alarms/AlarmList.h"
#include "storage/DataArchive.h"
#include "support/FakePlatform.h"
#include "alarms/PopUpHost.h"
#include "support/TempDir.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

QByteArray le32(qint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((quint32(v) >> (8 * i)) & 0xFF);
    return b;
}

QByteArray str(const QString& s)
{
    return ArchiveString::encode(s);
}

AlarmRecord sample(int n)
{
    AlarmRecord a;
    a.name = QStringLiteral("Alarm %1").arg(n);
    a.info = QStringLiteral("Wake up\r\nnow");
    a.playSound = 1;
    a.shutDown = 0;
    a.beep = 1;
    a.popUp = 1;
    a.runApp = 0;
    a.lockScreen = 1;
    a.screenSave = 0;
    a.soundPath = QStringLiteral("/snd/a.wav");
    a.soundCount = 3;
    a.runPath = QStringLiteral("/usr/bin/xterm");
    a.startTime = 1700000000 + n;
    a.mode = 1;
    a.delayHours = 26;
    a.delaySeconds = -4;
    a.delayMinutes = 3;
    a.repeat = AlarmRecord::Weekly;
    a.weekday = 5;
    return a;
}

QByteArray sampleBytes(int n)
{
    const AlarmRecord a = sample(n);
    return str(a.name) + str(a.info) + le32(1) + le32(0) + le32(1) + le32(1) + le32(0) + le32(1) + le32(0) + str(a.soundPath)
        + le32(3) + str(a.runPath) + le32(1700000000 + n) + le32(1)
        // hours, seconds, minutes
        + le32(26) + le32(-4) + le32(3) + le32(5) + le32(5);
}

} // namespace

TEST(AlarmFile, GoldenBytesOfTwoAlarms)
{
    TempDir dir;
    AlarmList l;
    l.items = {sample(1), sample(2)};
    l.lastOpenedIndex = -1;
    ASSERT_TRUE(l.store(dir.file(QStringLiteral("Alarm.tmp"))));
    const QByteArray expected = le32(2) + le32(-1) + sampleBytes(1) + sampleBytes(2);
    EXPECT_EQ(dir.read(QStringLiteral("Alarm.tmp")).toHex(), expected.toHex());

    AlarmList back;
    ASSERT_EQ(back.load(dir.file(QStringLiteral("Alarm.tmp"))), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(back.items, l.items);
    EXPECT_EQ(back.lastOpenedIndex, -1);
}

TEST(AlarmFile, NewAlarmDefaults)
{
    const AlarmRecord a;
    EXPECT_EQ(a.name, QStringLiteral("New Alarm"));
    EXPECT_EQ(a.repeat, AlarmRecord::OneTime);
    EXPECT_EQ(a.weekday, 1);
    EXPECT_EQ(a.soundCount, 0);
    EXPECT_EQ(a.mode, 0);
    EXPECT_EQ(AlarmRecord::repeatNames().at(a.repeat), QStringLiteral("One Time"));
    EXPECT_EQ(AlarmRecord::weekdayNames().at(5), QStringLiteral("Friday"));
}

TEST(AlarmFile, DamagedFileKeepsTheUsersData)
{
    TempDir dir;
    // The second record is cut short in its delay fields.
    const QByteArray damaged = le32(2) + le32(0) + sampleBytes(1) + sampleBytes(2).left(sampleBytes(2).size() - 10);
    dir.write(QStringLiteral("Alarm.tmp"), damaged);
    int told = 0;
    DataFile::setDamageNotifier([&told](const QString&) { ++told; });
    AlarmList l;
    EXPECT_EQ(l.load(dir.file(QStringLiteral("Alarm.tmp"))), DataFile::LoadStatus::Damaged);
    DataFile::setDamageNotifier({});
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(l.isEmpty());
    ASSERT_TRUE(l.store(dir.file(QStringLiteral("Alarm.tmp"))));
    EXPECT_EQ(dir.read(QStringLiteral("Alarm.tmp.bad")), damaged);
}

TEST(AlarmDelay, FromDifference)
{
    const struct
    {
        qint64 d;
        AlarmDelay expected;
    } cases[] = {
        {0, {0, 0, 0}},
        {18000, {5, 0, 0}},
        {90000, {25, 0, 0}},
        {86400 + 2 * 3600 + 3 * 60 + 4, {26, 3, 4}},
        {59, {0, 0, 59}},
        {-59, {0, 0, -59}},
        {-61, {0, -1, -1}},
        {-(2 * 3600 + 3 * 60 + 4), {-2, -3, -4}},
        {-3600, {-1, 0, 0}},
        {40000LL * 3600 + 5, {40000, 0, 5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AlarmDelay::fromDifference(c.d), c.expected) << c.d;
}

TEST(AlarmDelay, ClampsAndTotals)
{
    const struct
    {
        AlarmDelay in;
        AlarmDelay clamped;
        qint64 total;
    } cases[] = {
        {{5, 0, 0}, {5, 0, 0}, 18000},
        {{25, 0, 0}, {25, 0, 0}, 90000},
        {{-1, 30, -5}, {-1, 30, -5}, -3600 + 1800 - 5},
        {{30001, 60, -60}, {30000, 59, -59}, 30000LL * 3600 + 59 * 60 - 59},
        {{-40000, -99, 99}, {-30000, -59, 59}, -30000LL * 3600 - 59 * 60 + 59},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.in.clamped(), c.clamped);
        EXPECT_EQ(c.in.clamped().totalSeconds(), c.total);
    }
    EXPECT_EQ(AlarmDelay::clampSoundCount(-3), 0);
    EXPECT_EQ(AlarmDelay::clampSoundCount(100), 100);
    EXPECT_EQ(AlarmDelay::clampSoundCount(101), 100);
}

namespace {

// The panel's side of PopUp: remembers what the other seams had done when it was called.
class RecordingHost final : public PopUpHost
{
public:
    explicit RecordingHost(FakePlatform& fake) : m_fake(fake) {}
    void bringPanelForward() override
    {
        ++forwardCalls;
        journalAtForward = m_fake.journal();
    }
    void showAlarmMessage(const QString& info) override
    {
        messages << info;
        journalAtMessage = m_fake.journal();
    }

    int forwardCalls = 0;
    QStringList messages;
    QStringList journalAtForward;
    QStringList journalAtMessage;

private:
    FakePlatform& m_fake;
};

AlarmRecord allActions()
{
    AlarmRecord a;
    a.playSound = a.shutDown = a.beep = a.popUp = a.runApp = a.lockScreen = a.screenSave = 1;
    a.soundPath = QStringLiteral("/s/ring.wav");
    a.soundCount = 3;
    a.runPath = QStringLiteral("/usr/bin/xterm");
    a.info = QStringLiteral("Tea time");
    return a;
}

} // namespace

TEST(AlarmActions, FixedOrderAndRunAppAfterThePopUpBox)
{
    FakePlatform fake;
    RecordingHost host(fake);
    AlarmActions actions(fake.platform(), &host);
    actions.run(allActions());
    const QStringList before = {QStringLiteral("playWave /s/ring.wav 3"), QStringLiteral("powerOff"), QStringLiteral("playTones 10")};
    EXPECT_EQ(host.journalAtForward, before);
    EXPECT_EQ(host.journalAtMessage, before);
    EXPECT_EQ(host.messages, QStringList{QStringLiteral("Tea time")});
    EXPECT_EQ(fake.journal(),
        (before + QStringList{QStringLiteral("open /usr/bin/xterm open"), QStringLiteral("lockSession"), QStringLiteral("startScreenSaver")}));
}

TEST(AlarmActions, EachFlagAloneRunsOnlyItsAction)
{
    struct Case
    {
        qint32 AlarmRecord::*flag;
        QStringList journal;
        int popUps;
    };
    const Case cases[] = {
        {&AlarmRecord::playSound, {QStringLiteral("playWave /s/ring.wav 3")}, 0},
        {&AlarmRecord::shutDown, {QStringLiteral("powerOff")}, 0},
        {&AlarmRecord::beep, {QStringLiteral("playTones 10")}, 0},
        {&AlarmRecord::popUp, {}, 1},
        {&AlarmRecord::runApp, {QStringLiteral("open /usr/bin/xterm open")}, 0},
        {&AlarmRecord::lockScreen, {QStringLiteral("lockSession")}, 0},
        {&AlarmRecord::screenSave, {QStringLiteral("startScreenSaver")}, 0},
    };
    for (const Case& c : cases) {
        FakePlatform fake;
        RecordingHost host(fake);
        AlarmActions actions(fake.platform(), &host);
        AlarmRecord a = allActions();
        a.playSound = a.shutDown = a.beep = a.popUp = a.runApp = a.lockScreen = a.screenSave = 0;
        a.*c.flag = 1;
        actions.run(a);
        EXPECT_EQ(fake.journal(), c.journal);
        EXPECT_EQ(host.forwardCalls, c.popUps);
    }
}

TEST(AlarmActions, BeepIsTenRisingTonesOf100Ms)
{
    FakePlatform fake;
    AlarmActions actions(fake.platform());
    AlarmRecord a;
    a.beep = 1;
    actions.run(a);
    ASSERT_EQ(fake.sound().toneRuns().size(), 1);
    const QList<Sound::Tone> tones = fake.sound().tones();
    ASSERT_EQ(tones.size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(tones[i].frequencyHz, 100 * (i + 1));
        EXPECT_EQ(tones[i].durationMs, 100);
    }
}

TEST(AlarmActions, SoundCountZeroPlaysNothingAndEmptyInfoShowsNoBox)
{
    FakePlatform fake;
    RecordingHost host(fake);
    AlarmActions actions(fake.platform(), &host);
    AlarmRecord a;
    a.playSound = 1;
    a.soundPath = QStringLiteral("/s/ring.wav");
    a.soundCount = 0;
    a.popUp = 1;
    a.runApp = 1;
    a.runPath = QStringLiteral("/bin/true");
    actions.run(a);
    EXPECT_TRUE(fake.sound().waves().isEmpty());
    EXPECT_EQ(host.forwardCalls, 1);
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(fake.journal(), QStringList{QStringLiteral("open /bin/true open")});
}

TEST(AlarmActions, MissingServicesAreSkippedAndTheRestRuns)
{
    FakePlatform fake;
    fake.session().setMissing(FakeSessionServices::Service::Lock);
    fake.session().setMissing(FakeSessionServices::Service::PowerOff);
    AlarmRecord a = allActions();
    a.popUp = 0;
    AlarmActions actions(fake.platform());
    actions.run(a);
    EXPECT_EQ(fake.journal().last(), QStringLiteral("startScreenSaver"));
    // No sound device, no session services, no panel: nothing to call, nothing breaks.
    AlarmActions bare(nullptr, nullptr, &fake.launcher(), nullptr);
    fake.clearJournal();
    bare.run(allActions());
    EXPECT_EQ(fake.journal(), QStringList{QStringLiteral("open /usr/bin/xterm open")});
}
