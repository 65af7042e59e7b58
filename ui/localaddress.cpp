#include "ui/localaddress.h"
#include <QHostInfo>
#include <QNetworkInterface>
#include <optional>

namespace ui {
namespace {

// IPv4-mapped IPv6 addresses count as the IPv4 address they carry.
std::optional<QHostAddress> reachableIPv4(const QHostAddress& address)
{
    bool isIPv4 = false;
    const quint32 raw = address.toIPv4Address(&isIPv4);
    const QHostAddress v4(raw);
    if (!isIPv4 || v4.isLoopback() || raw == 0)
        return std::nullopt;
    return v4;
}

std::optional<QHostAddress> firstReachable(const QList<QHostAddress>& addresses)
{
    for (const QHostAddress& address : addresses) {
        if (auto v4 = reachableIPv4(address))
            return v4;
    }
    return std::nullopt;
}

QList<QHostAddress> upInterfaceAddresses()
{
    QList<QHostAddress> addresses;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries())
            addresses.append(entry.ip());
    }
    return addresses;
}

} // namespace

QString chooseLocalAddress(const QList<QHostAddress>& resolved, const QList<QHostAddress>& interfaces)
{
    if (auto address = firstReachable(resolved))
        return address->toString();
    if (auto address = firstReachable(interfaces))
        return address->toString();
    return {};
}

QString localAddress()
{
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    return chooseLocalAddress(info.addresses(), upInterfaceAddresses());
}

} // namespace ui
