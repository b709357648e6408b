// The time-server client against time servers on loopback: a scripted one (good, silent,
// short, split answers), xinetd's built-in "time" service, and the clock set through a
// timedate1 mock on a private D-Bus.
#include "platform/linux/SystemClock.h"
#include "support/DbusMock.h"
#include "support/FakeClock.h"
#include "support/FakeNetwork.h"
#include "support/ScopedTimeZone.h"
#include "support/TestWait.h"
#include "support/TimeServers.h"
#include "timekeeping/TimeServerClient.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// 2020-01-01 00:00:00 UTC.
constexpr qint64 Start2020 = 1577836800;

class TimeServerClientTest : public ::testing::Test
{
protected:
    ScopedTimeZone zone{"UTC"};
    FakeClock clock{Start2020};
    FakeNetwork network;
    TimeServerClient client{clock, network};
    ScriptedTimeServer server;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(server.listen());
        client.setPort(server.port());
        client.selectServer(QStringLiteral("127.0.0.1"));
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    bool waitForEnd(int timeoutMs = 5000)
    {
        return waitUntil([&] {
            return client.state() == TimeServerClient::State::Done || client.state() == TimeServerClient::State::Failed;
        }, timeoutMs);
    }
    QString opening() const
    {
        return QStringLiteral("Started up %1\r\nSocket %2  is created successfully!\r\nConnecting in 127.0.0.1...")
            .arg(TimeServerClient::socketLayerDescription())
            .arg(client.socketHandle());
    }
    static QString connected()
    {
        return QStringLiteral("\r\nIt has successfully connected to time server 127.0.0.1.\r\n"
                              "Receiving the data, Please waite for a moment...");
    }
};

TEST(TimeServerCount, SecondsSince1900BecomeUtcAndTheNextEraFollowsFebruary2036)
{
    const struct { quint32 count; qint64 since1970; } cases[] = {
        {0x83AA7E80u, 0},                      // 1970-01-01 00:00:00
        {0xE1B65F70u, 1577836800 - 16},        // the last seconds of 2019
        {0xFFFFFFFFu, 2085978495},             // 2036-02-07 06:28:15, the end of the first era
        {0x00000000u, 2085978496},             // one second later, in the next era
        {0x7FFFFFFFu, 2085978496LL + 0x7FFFFFFF}, // the last count taken from the next era
        {0x80000000u, 2147483648LL - 2208988800LL}, // 1968, the first count of the first era kept
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeServerClient::secondsSince1970(c.count), c.since1970) << std::hex << c.count;
    EXPECT_EQ(TimeServerClient::servers().size(), 14);
    EXPECT_EQ(TimeServerClient::servers().removeDuplicates(), 0);
}

// 0x83 0xAA 0x7E 0x80 is 1970-01-01 00:00:00 UTC: the clock is set to it, the month view's
// today mark goes to that day, and the log tells every step.
TEST_F(TimeServerClientTest, GoodAnswerSetsTheClockAndWritesTheLog)
{
    server.setAnswer({QByteArray("\x83\xAA\x7E\x80", 4)});
    QSignalSpy today(&client, &TimeServerClient::todayDateChanged);
    QSignalSpy set(&client, &TimeServerClient::clockSet);
    client.calibrate();
    EXPECT_TRUE(client.isTicking());
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(client.state(), TimeServerClient::State::Done);
    EXPECT_EQ(client.log(), opening() + connected() +
                  QStringLiteral("\r\nThe start date is 1900-1-1 2208988800 秒 \r\n"
                                 "\r\nThe date and time has updated.\r\nthe old one is\t1/1/20, 00:00:00.000 \r\n"
                                 " now, it is 1/1/70,00:00:00.000."));
    ASSERT_EQ(clock.setTimeCalls().size(), 1);
    EXPECT_EQ(clock.setTimeCalls()[0], QDateTime(QDate(1970, 1, 1), QTime(0, 0), QTimeZone::utc()));
    ASSERT_EQ(today.size(), 1);
    EXPECT_EQ(today[0][0].toDate(), QDate(1970, 1, 1));
    EXPECT_EQ(set.size(), 1);
    EXPECT_FALSE(client.isTicking());
    // The socket is closed after the exchange.
    EXPECT_TRUE(waitUntil([&] { return server.clientClosed(); }, 5000));
}

TEST_F(TimeServerClientTest, DotsComeOnceASecondWhileWaiting)
{
    server.setSilent();
    client.calibrate();
    ASSERT_TRUE(waitUntil([&] { return client.state() == TimeServerClient::State::Receiving; }));
    for (int i = 0; i < 3; ++i) {
        clock.advance(1);
        client.tick();
    }
    EXPECT_EQ(client.log(), opening() + connected() + QStringLiteral("..."));
    EXPECT_TRUE(client.isTicking());
}

// A server that accepts and says nothing is given up after 15 seconds.
TEST_F(TimeServerClientTest, SilentServerTimesOut)
{
    server.setSilent();
    client.calibrate();
    ASSERT_TRUE(waitUntil([&] { return client.state() == TimeServerClient::State::Receiving; }));
    for (int i = 0; i < 14; ++i) {
        clock.advance(1);
        client.tick();
    }
    EXPECT_TRUE(client.isTicking());
    clock.advance(1);
    client.tick();
    EXPECT_EQ(client.state(), TimeServerClient::State::Failed);
    EXPECT_FALSE(client.isTicking());
    EXPECT_EQ(client.log(), opening() + connected() + QString(15, QLatin1Char('.'))
                                + QStringLiteral("\r\nThe time server has not answered in 15 seconds."));
    EXPECT_TRUE(clock.setTimeCalls().isEmpty());
    EXPECT_TRUE(waitUntil([&] { return server.clientClosed(); }, 5000));
    // Further ticks print nothing.
    client.tick();
    EXPECT_TRUE(client.log().endsWith(QStringLiteral("seconds.")));
}

// Fewer than four bytes before the server closes is a failure, not a date.
TEST_F(TimeServerClientTest, ShortAnswerFailsAndLeavesTheClock)
{
    server.setAnswer({QByteArray("\x83\xAA", 2)});
    QSignalSpy today(&client, &TimeServerClient::todayDateChanged);
    client.calibrate();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(client.state(), TimeServerClient::State::Failed);
    EXPECT_EQ(client.log(), opening() + connected()
                                + QStringLiteral("\r\nThe time server sent 2 of the 4 bytes; the date is not updated."));
    EXPECT_TRUE(clock.setTimeCalls().isEmpty());
    EXPECT_TRUE(today.isEmpty());
    EXPECT_FALSE(client.isTicking());
}

// The four bytes may come in pieces.
TEST_F(TimeServerClientTest, AnswerInPiecesIsReadWhole)
{
    server.setAnswer({QByteArray("\xE1", 1), QByteArray("\xB6\x5F", 2), QByteArray("\x70", 1)});
    client.calibrate();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(client.state(), TimeServerClient::State::Done) << client.log().toStdString();
    ASSERT_EQ(clock.setTimeCalls().size(), 1);
    EXPECT_EQ(clock.setTimeCalls()[0].toSecsSinceEpoch(), Start2020 - 16);
}

TEST_F(TimeServerClientTest, RefusedClockChangeIsReported)
{
    clock.setRefuseSetTime(true);
    server.setAnswer({ScriptedTimeServer::count(0xE1B65F80u + 3600)});
    QSignalSpy today(&client, &TimeServerClient::todayDateChanged);
    client.calibrate();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(client.state(), TimeServerClient::State::Failed);
    EXPECT_EQ(client.log(), opening() + connected()
                                + QStringLiteral("\r\nThe start date is 1900-1-1 3786829200 秒 \r\nFail in updating the date!"));
    EXPECT_EQ(clock.now(), Start2020);
    // The today mark has moved all the same.
    EXPECT_EQ(today.size(), 1);
}

// The today mark is the UTC date: at 00:30 local time in a zone of +8 hours, the day before.
TEST_F(TimeServerClientTest, TodayMarkIsTheUtcDate)
{
    ScopedTimeZone shanghai("Asia/Shanghai");
    const QDateTime utc(QDate(2021, 6, 30), QTime(16, 30), QTimeZone::utc());
    ASSERT_EQ(utc.toLocalTime().date(), QDate(2021, 7, 1));
    server.setAnswer({ScriptedTimeServer::count(quint32(utc.toSecsSinceEpoch() + TimeServerClient::SecondsFrom1900To1970))});
    QSignalSpy today(&client, &TimeServerClient::todayDateChanged);
    client.calibrate();
    ASSERT_TRUE(waitForEnd());
    ASSERT_EQ(today.size(), 1);
    EXPECT_EQ(today[0][0].toDate(), QDate(2021, 6, 30));
    EXPECT_EQ(clock.now(), utc.toSecsSinceEpoch());
}

// A refused connection: the error, and no more dots.
TEST_F(TimeServerClientTest, RefusedConnectionStopsTheDots)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    client.setPort(port);
    client.calibrate();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(client.log(), opening() + QStringLiteral("\r\nThere is an error in connecting with the error number of #111."));
    EXPECT_FALSE(client.isTicking());
    client.tick();
    EXPECT_TRUE(client.log().endsWith(QStringLiteral("#111.")));
}

TEST_F(TimeServerClientTest, AddressThatIsNotDottedDecimalFailsAtOnce)
{
    client.selectServer(QStringLiteral("time.example"));
    client.calibrate();
    EXPECT_EQ(client.state(), TimeServerClient::State::Failed);
    EXPECT_TRUE(client.log().endsWith(QStringLiteral("  is created successfully!\r\nThere is an error in connected #99.\r\n")))
        << client.log().toStdString();
    EXPECT_FALSE(client.isTicking());
}

// A new press starts over with a new socket, whatever became of the previous one.
TEST_F(TimeServerClientTest, NewPressStartsOver)
{
    server.setSilent();
    client.calibrate();
    ASSERT_TRUE(waitUntil([&] { return client.state() == TimeServerClient::State::Receiving; }));
    clock.advance(1);
    client.tick();
    server.setAnswer({ScriptedTimeServer::count(0x83AA7E80u)});
    client.calibrate();
    EXPECT_TRUE(client.log().startsWith(QStringLiteral("Started up ")));
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(client.state(), TimeServerClient::State::Done);
    EXPECT_EQ(server.connections(), 2);
}

TEST_F(TimeServerClientTest, CheckNetSaysHowTheComputerIsConnected)
{
    const struct { bool connected; int ways; const char* log; } cases[] = {
        {true, Network::Modem | Network::Lan, "\r\n\r\n\tConnecte to internet by Modem."},
        {true, Network::Lan | Network::Proxy, "\r\n\r\n\tConnecte to internet by LAN."},
        {true, Network::Proxy, "\r\n\r\n\tConnecte to internet by Proxy Server."},
        {true, 0, "before\r\n\r\n\tConnecting to internet..."},
    };
    for (const auto& c : cases) {
        TimeServerClient fresh(clock, network);
        network.setConnected(c.connected);
        network.setWays(c.ways);
        fresh.selectServer(QStringLiteral("before"));
        // A log with something in it, to see what the check keeps.
        fresh.calibrate();
        const QString before = fresh.log();
        fresh.checkNet();
        QString expected = QString::fromUtf8(c.log);
        expected.replace(QStringLiteral("before"), before);
        EXPECT_EQ(fresh.log(), expected) << c.ways;
        EXPECT_TRUE(fresh.isCalibrationEnabled());
    }
}

TEST_F(TimeServerClientTest, NoConnectionDisablesCalibration)
{
    network.setConnected(false);
    QSignalSpy enabled(&client, &TimeServerClient::calibrationEnabledChanged);
    client.checkNet();
    EXPECT_EQ(client.log(), QStringLiteral("\r\n\r\n\tNot connecte to internet."));
    EXPECT_FALSE(client.isCalibrationEnabled());
    ASSERT_EQ(enabled.size(), 1);
    EXPECT_FALSE(enabled[0][0].toBool());
    // It stays so, also when the network comes back.
    network.setConnected(true);
    client.checkNet();
    EXPECT_FALSE(client.isCalibrationEnabled());
    client.calibrate();
    EXPECT_EQ(server.connections(), 0);
    EXPECT_EQ(client.state(), TimeServerClient::State::Idle);
}

// A clock whose setting goes through timedate1 on the bus and, when accepted, moves the fake.
class BusClock final : public Clock
{
public:
    explicit BusClock(FakeClock& fake) : m_fake(fake) {}
    qint64 now() const override { return m_fake.now(); }
    qint64 tickMs() const override { return m_fake.tickMs(); }
    bool setSystemTime(const QDateTime& moment) override
    {
        if (!m_system.setSystemTime(moment))
            return false;
        m_fake.setNow(moment);
        return true;
    }

private:
    FakeClock& m_fake;
    SystemClock m_system;
};

// xinetd's "time" service answers; the clock is set through the desktop's time service.
TEST(TimeServerOnLoopback, XinetdTimeSetsTheClockThroughTimedated)
{
    ScopedTimeZone zone("UTC");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    DbusMock bus;
    ASSERT_TRUE(bus.start()) << bus.error().toStdString();
    ASSERT_TRUE(bus.startTemplate(QStringLiteral("timedated"), QStringLiteral("org.freedesktop.timedate1")))
        << bus.error().toStdString();
    XinetdTimeServer xinetd;
    ASSERT_TRUE(xinetd.start()) << xinetd.error().toStdString();

    FakeClock fake(Start2020);
    BusClock clock(fake);
    FakeNetwork network;
    TimeServerClient client(clock, network);
    client.setPort(xinetd.port());
    client.selectServer(QStringLiteral("127.0.0.1"));
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    client.calibrate();
    ASSERT_TRUE(waitUntil([&] { return client.state() == TimeServerClient::State::Done
                                    || client.state() == TimeServerClient::State::Failed; }, 10000));
    ASSERT_EQ(client.state(), TimeServerClient::State::Done) << client.log().toStdString();

    // The count xinetd sent, read back from the log: this computer's time.
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("The start date is 1900-1-1 (\\d+) 秒 \r\n")).match(client.log());
    ASSERT_TRUE(m.hasMatch()) << client.log().toStdString();
    const qint64 since1970 = m.captured(1).toLongLong() - TimeServerClient::SecondsFrom1900To1970;
    EXPECT_GE(since1970, before - 1);
    EXPECT_LE(since1970, QDateTime::currentSecsSinceEpoch() + 1);
    const QDateTime set = QDateTime::fromSecsSinceEpoch(since1970, QTimeZone::utc());
    const QString expected =
        QStringLiteral("Started up %1\r\nSocket %2  is created successfully!\r\nConnecting in 127.0.0.1...\r\n"
                       "It has successfully connected to time server 127.0.0.1.\r\n"
                       "Receiving the data, Please waite for a moment...\r\nThe start date is 1900-1-1 %3 秒 \r\n"
                       "\r\nThe date and time has updated.\r\nthe old one is\t1/1/20, 00:00:00.000 \r\n now, it is %4,%5.000.")
            .arg(TimeServerClient::socketLayerDescription())
            .arg(client.socketHandle())
            .arg(m.captured(1), QLocale().toString(set.date(), QLocale::ShortFormat), set.toString(QStringLiteral("HH:mm:ss")));
    EXPECT_EQ(client.log(), expected);

    // timedate1 was asked to set that moment: microseconds since 1970 UTC, absolute, interactive.
    const QList<DbusMock::Call> calls =
        bus.calls(QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"));
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].method, QStringLiteral("SetTime"));
    EXPECT_EQ(calls[0].args, (QVariantList{since1970 * 1000000, false, true}));

    // When the time service refuses, the log says so and the clock stays.
    ASSERT_TRUE(bus.replaceMethod(QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
                                  QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"), QStringLiteral("xbb"),
                                  QString(),
                                  QStringLiteral("raise dbus.exceptions.DBusException('no', name='org.freedesktop.DBus.Error.AccessDenied')")));
    fake.setNow(Start2020);
    client.calibrate();
    ASSERT_TRUE(waitUntil([&] { return client.state() == TimeServerClient::State::Done
                                    || client.state() == TimeServerClient::State::Failed; }, 10000));
    EXPECT_EQ(client.state(), TimeServerClient::State::Failed);
    EXPECT_TRUE(client.log().endsWith(QStringLiteral(" 秒 \r\nFail in updating the date!"))) << client.log().toStdString();
    EXPECT_EQ(fake.now(), Start2020);
    QLocale::setDefault(QLocale::system());
}

} // namespace
