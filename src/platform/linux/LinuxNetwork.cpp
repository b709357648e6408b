#include "platform/linux/LinuxNetwork.h"

#include <QNetworkInterface>

bool LinuxNetwork::isConnected() const
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        const auto flags = i.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack) || !flags.testFlag(QNetworkInterface::IsUp)
            || !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        for (const QNetworkAddressEntry& a : i.addressEntries())
            if (!a.ip().isNull() && !a.ip().isLoopback() && !a.ip().isLinkLocal())
                return true;
    }
    return false;
}
