#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

#include <unistd.h>

#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "platform/linux/DbusSessionServices.h"
#include "platform/linux/SystemClock.h"
#include "support/TempDir.h"
#include "support/TestWait.h"

// The session services against python-dbusmock's logind and timedated on a private bus
// that stands in for both the system and the session bus.

namespace {

const QString MockInterface = QStringLiteral("org.freedesktop.DBus.Mock");

struct Call
{
    QString method;
    QVariantList args;
};

class SessionServicesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_bus = new ChildProcess;
        s_logind = new ChildProcess;
        s_timedated = new ChildProcess;
        s_screenSaver = new ChildProcess;
        const QString socket = s_dir->file(QStringLiteral("bus"));
        s_address = QStringLiteral("unix:path=") + socket;
        if (!s_bus->start(QStringLiteral("dbus-daemon"),
                          {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                           QStringLiteral("--address=") + s_address},
                          {}, {}, s_dir->file(QStringLiteral("bus.log")))
            || !waitUntil([&] { return QFileInfo::exists(socket); }, 10000)) {
            s_skip = QStringLiteral("dbus-daemon did not start");
            return;
        }
        qputenv("DBUS_SESSION_BUS_ADDRESS", s_address.toLocal8Bit());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", s_address.toLocal8Bit());
        if (!startMock(*s_logind, {QStringLiteral("--template"), QStringLiteral("logind")},
                       QStringLiteral("org.freedesktop.login1"))
            || !startMock(*s_timedated, {QStringLiteral("--template"), QStringLiteral("timedated")},
                          QStringLiteral("org.freedesktop.timedate1")))
            s_skip = QStringLiteral("python3-dbusmock did not start");
    }
    static void TearDownTestSuite()
    {
        delete s_screenSaver;
        delete s_timedated;
        delete s_logind;
        delete s_bus;
        delete s_dir;
    }
    void SetUp() override
    {
        if (!s_skip.isEmpty())
            GTEST_SKIP() << s_skip.toStdString();
    }

    static bool startMock(ChildProcess& mock, const QStringList& args, const QString& name)
    {
        const QString log = s_dir->file(name + QStringLiteral(".log"));
        if (!mock.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock")} + args,
                        {}, log, log))
            return false;
        return waitUntil([&] { return !mock.isRunning() || bus().interface()->isServiceRegistered(name).value(); }, 20000)
            && mock.isRunning();
    }
    static QDBusConnection bus()
    {
        return QDBusConnection::sessionBus();
    }
    static QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                             const QString& method, const QVariantList& args = {})
    {
        QDBusMessage m = QDBusMessage::createMethodCall(service, path, interface, method);
        m.setArguments(args);
        return bus().call(m, QDBus::Block, 10000);
    }
    // The calls a mock object has seen, from its GetCalls: a(tsav).
    static QList<Call> calls(const QString& service, const QString& path)
    {
        const QDBusMessage reply = call(service, path, MockInterface, QStringLiteral("GetCalls"));
        QList<Call> result;
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return result;
        const QDBusArgument arg = reply.arguments().constFirst().value<QDBusArgument>();
        arg.beginArray();
        while (!arg.atEnd()) {
            Call c;
            quint64 time = 0;
            arg.beginStructure();
            arg >> time >> c.method;
            arg.beginArray();
            while (!arg.atEnd()) {
                QDBusVariant v;
                arg >> v;
                c.args.append(v.variant());
            }
            arg.endArray();
            arg.endStructure();
            result.append(c);
        }
        arg.endArray();
        return result;
    }
    static void clearCalls(const QString& service, const QString& path)
    {
        call(service, path, MockInterface, QStringLiteral("ClearCalls"));
    }

    static TempDir* s_dir;
    static ChildProcess* s_bus;
    static ChildProcess* s_logind;
    static ChildProcess* s_timedated;
    static ChildProcess* s_screenSaver;
    static QString s_address;
    static QString s_skip;
};

TempDir* SessionServicesTest::s_dir = nullptr;
ChildProcess* SessionServicesTest::s_bus = nullptr;
ChildProcess* SessionServicesTest::s_logind = nullptr;
ChildProcess* SessionServicesTest::s_timedated = nullptr;
ChildProcess* SessionServicesTest::s_screenSaver = nullptr;
QString SessionServicesTest::s_address;
QString SessionServicesTest::s_skip;

const QString Login1 = QStringLiteral("org.freedesktop.login1");
const QString Login1Path = QStringLiteral("/org/freedesktop/login1");

} // namespace

TEST_F(SessionServicesTest, PowerOffAsksLogindInteractively)
{
    clearCalls(Login1, Login1Path);
    EXPECT_TRUE(DbusSessionServices().powerOff());
    // The request is sent without waiting for the answer.
    QList<Call> seen;
    ASSERT_TRUE(waitUntil([&] { return !(seen = calls(Login1, Login1Path)).isEmpty(); }, 5000));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].method, QStringLiteral("PowerOff"));
    EXPECT_EQ(seen[0].args, QVariantList{true});
}

TEST_F(SessionServicesTest, LockUsesTheScreenSaverServiceElseTheLogindSession)
{
    const QDBusMessage added = call(Login1, Login1Path, MockInterface, QStringLiteral("AddSession"),
                                    {QStringLiteral("c7"), QStringLiteral("seat0"), quint32(getuid()),
                                     QStringLiteral("tester"), true});
    ASSERT_EQ(added.type(), QDBusMessage::ReplyMessage) << added.errorMessage().toStdString();
    const QString sessionPath = QStringLiteral("/org/freedesktop/login1/session/c7");
    qputenv("XDG_SESSION_ID", "c7");

    // No screen saver service: the logind session is locked.
    EXPECT_TRUE(DbusSessionServices().lockSession());
    QList<Call> seen = calls(Login1, sessionPath);
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].method, QStringLiteral("Lock"));

    // With org.freedesktop.ScreenSaver on the session bus, it does the locking.
    ASSERT_TRUE(startMock(*s_screenSaver,
                          {QStringLiteral("--session"), QStringLiteral("org.freedesktop.ScreenSaver"),
                           QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("org.freedesktop.ScreenSaver")},
                          QStringLiteral("org.freedesktop.ScreenSaver")));
    const QDBusMessage method = call(QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
                                     MockInterface, QStringLiteral("AddMethod"),
                                     {QString(), QStringLiteral("Lock"), QString(), QString(), QString()});
    ASSERT_EQ(method.type(), QDBusMessage::ReplyMessage) << method.errorMessage().toStdString();
    clearCalls(Login1, sessionPath);
    EXPECT_TRUE(DbusSessionServices().lockSession());
    seen = calls(QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].method, QStringLiteral("Lock"));
    EXPECT_TRUE(calls(Login1, sessionPath).isEmpty());
    s_screenSaver->stop();

    // A session logind does not know: nothing to lock.
    qputenv("XDG_SESSION_ID", "unknown");
    waitUntil([] { return !bus().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.ScreenSaver")).value(); }, 5000);
    EXPECT_FALSE(DbusSessionServices().lockSession());
    qunsetenv("XDG_SESSION_ID");
}

TEST_F(SessionServicesTest, SetSystemTimeGoesToTimedatedAndReportsARefusal)
{
    const QString timedate = QStringLiteral("org.freedesktop.timedate1");
    const QString path = QStringLiteral("/org/freedesktop/timedate1");
    clearCalls(timedate, path);
    const QDateTime moment(QDate(2024, 2, 29), QTime(23, 59, 58, 250), QTimeZone::utc());
    EXPECT_TRUE(SystemClock().setSystemTime(moment));
    // The same moment given in local time is the same instant.
    EXPECT_TRUE(SystemClock().setSystemTime(moment.toLocalTime()));
    const QList<Call> seen = calls(timedate, path);
    ASSERT_EQ(seen.size(), 2);
    for (const Call& c : seen) {
        EXPECT_EQ(c.method, QStringLiteral("SetTime"));
        EXPECT_EQ(c.args, (QVariantList{qint64(1709251198250000), false, true}));
    }

    const QDBusMessage refuse = call(timedate, path, MockInterface, QStringLiteral("AddMethod"),
                                     {QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"), QStringLiteral("xbb"),
                                      QString(),
                                      QStringLiteral("raise dbus.exceptions.DBusException('no', name='org.freedesktop.DBus.Error.AccessDenied')")});
    ASSERT_EQ(refuse.type(), QDBusMessage::ReplyMessage) << refuse.errorMessage().toStdString();
    EXPECT_FALSE(SystemClock().setSystemTime(moment));
    EXPECT_FALSE(SystemClock().setSystemTime(QDateTime()));
}

TEST(SystemClockReadings, NowAndTickCount)
{
    SystemClock clock;
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    const qint64 now = clock.now();
    EXPECT_GE(now, before);
    EXPECT_LE(now, QDateTime::currentSecsSinceEpoch());
    const qint64 t0 = clock.tickMs();
    EXPECT_TRUE(waitUntil([&] { return clock.tickMs() >= t0 + 20; }, 2000));
    EXPECT_EQ(clock.localNow().toSecsSinceEpoch(), clock.now());
}
