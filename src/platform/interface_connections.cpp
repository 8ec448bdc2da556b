#include "platform/interface_connections.h"

#include <QNetworkInterface>

#include "platform/route_table.h"

namespace trivanto {

namespace {

QString typeName(QNetworkInterface::InterfaceType type) {
    switch (type) {
        case QNetworkInterface::Ethernet:
            return QStringLiteral("ethernet");
        case QNetworkInterface::Wifi:
            return QStringLiteral("wifi");
        case QNetworkInterface::Ppp:
            return QStringLiteral("ppp");
        case QNetworkInterface::Ieee80216:
            return QStringLiteral("wimax");
        case QNetworkInterface::Ieee802154:
        case QNetworkInterface::SixLoWPAN:
            return QStringLiteral("lowpan");
        case QNetworkInterface::Virtual:
            return QStringLiteral("virtual");
        default:
            return QStringLiteral("network");
    }
}

bool routable(const QHostAddress& address) {
    return !address.isLoopback() && !address.isLinkLocal() && !address.isNull();
}

}  // namespace

QList<ActiveConnection> interfaceConnections(const QList<InterfaceInfo>& interfaces,
                                             const std::optional<QSet<QString>>& defaultRoutes) {
    QList<ActiveConnection> result;
    for (const InterfaceInfo& info : interfaces) {
        if (!info.up || !info.running || info.loopback || !info.routableAddress) {
            continue;
        }
        if (defaultRoutes.has_value() && !defaultRoutes->contains(info.name)) {
            continue;
        }
        result.append({kInterfaceHandlePrefix + info.name, info.name, info.deviceType, info.name,
                       RasConnected, 0});
    }
    return result;
}

QList<ActiveConnection> systemInterfaceConnections() {
    QList<InterfaceInfo> interfaces;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const QNetworkInterface::InterfaceFlags flags = interface.flags();
        InterfaceInfo info;
        info.name = interface.name();
        info.deviceType = typeName(interface.type());
        info.up = flags.testFlag(QNetworkInterface::IsUp);
        info.running = flags.testFlag(QNetworkInterface::IsRunning);
        info.loopback = flags.testFlag(QNetworkInterface::IsLoopBack);
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            info.routableAddress = info.routableAddress || routable(entry.ip());
        }
        interfaces.append(info);
    }
    return interfaceConnections(interfaces, readDefaultRouteInterfaces());
}

}  // namespace trivanto
