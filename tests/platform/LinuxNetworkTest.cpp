#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QProcess>

#include <gtest/gtest.h>

#include "platform/linux/LinuxNetwork.h"

// The connection check in network namespaces of its own: the test runs itself again under
// `unshare -n`, where only the interfaces it makes exist.

namespace {

bool run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Inside the namespace: sets it up as named, answers what the check says.
int insideNamespace(const QByteArray& setup)
{
    const QString ip = QStringLiteral("ip");
    if (!run(ip, {QStringLiteral("link"), QStringLiteral("set"), QStringLiteral("lo"), QStringLiteral("up")}))
        return 100;
    const bool veth = setup.startsWith("veth-");
    const bool addressed = setup == "veth-up" || setup == "veth-up-proxy";
    if (veth) {
        if (!run(ip, {QStringLiteral("link"), QStringLiteral("add"), QStringLiteral("q0"), QStringLiteral("type"),
                      QStringLiteral("veth"), QStringLiteral("peer"), QStringLiteral("name"), QStringLiteral("q1")}))
            return 100;
        if (addressed
            && !run(ip, {QStringLiteral("addr"), QStringLiteral("add"), QStringLiteral("10.77.0.1/24"), QStringLiteral("dev"),
                         QStringLiteral("q0")}))
            return 100;
        for (const QString& dev : {QStringLiteral("q0"), QStringLiteral("q1")})
            if (!run(ip, {QStringLiteral("link"), QStringLiteral("set"), dev, QStringLiteral("up")}))
                return 100;
        // The kernel reports the carrier (the running state) a moment after the link is up.
        QDeadlineTimer deadline(10000);
        auto state = [] {
            QProcess p;
            p.start(QStringLiteral("ip"), {QStringLiteral("-o"), QStringLiteral("link"), QStringLiteral("show"), QStringLiteral("q0")});
            p.waitForFinished(5000);
            const QByteArray out = p.readAllStandardOutput();
            return out.contains(" state UP ") ? QByteArray("up") : out;
        };
        while (state() != "up") {
            if (deadline.hasExpired())
                return 101;
            QThread::msleep(10);
        }
    }
    if (setup == "veth-up-proxy")
        qputenv("http_proxy", "http://10.77.0.9:3128/");
    else
        for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
    // The exit code: the ways of the connection, with 64 added when the answer disagrees.
    int ways = -1;
    const bool connected = LinuxNetwork().isConnected(&ways);
    return ways + (connected != (ways != 0) ? 64 : 0);
}

} // namespace

TEST(LinuxNetwork, ConnectedOnlyWithAnAddressedInterfaceBesidesLoopbackAndSaysHow)
{
    if (!run(QStringLiteral("unshare"), {QStringLiteral("-n"), QStringLiteral("true")}))
        GTEST_SKIP() << "no network namespaces here (needs root)";
    const struct { const char* setup; int ways; } cases[] = {
        {"loopback-only", 0},
        {"veth-no-address", 0}, // up, but only link-local IPv6 at most
        {"veth-up", Network::Lan},
        {"veth-up-proxy", Network::Lan | Network::Proxy},
    };
    for (const auto& c : cases) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUILLORA_NETNS_SETUP"), QLatin1String(c.setup));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("unshare"), {QStringLiteral("-n"), QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))});
        ASSERT_TRUE(p.waitForFinished(20000)) << c.setup;
        EXPECT_EQ(p.exitCode(), c.ways) << c.setup << ": " << p.readAllStandardError().constData();
    }
}

int main(int argc, char** argv)
{
    const QByteArray setup = qgetenv("QUILLORA_NETNS_SETUP");
    if (!setup.isEmpty())
        return insideNamespace(setup);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
