#include "platform/linux/LinuxNetwork.h"

#include <QNetworkInterface>

namespace {

bool proxyInEnvironment()
{
    for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    return false;
}

} // namespace

bool LinuxNetwork::isConnected(int* ways) const
{
    int found = 0;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        const auto flags = i.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack) || !flags.testFlag(QNetworkInterface::IsUp)
            || !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        bool addressed = false;
        for (const QNetworkAddressEntry& a : i.addressEntries())
            if (!a.ip().isNull() && !a.ip().isLoopback() && !a.ip().isLinkLocal())
                addressed = true;
        if (!addressed)
            continue;
        const bool modem = i.type() == QNetworkInterface::Ppp || i.type() == QNetworkInterface::Slip
            || flags.testFlag(QNetworkInterface::IsPointToPoint);
        found |= modem ? Modem : Lan;
    }
    if (found && proxyInEnvironment())
        found |= Proxy;
    if (ways)
        *ways = found;
    return found != 0;
}
