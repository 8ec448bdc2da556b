#include "platform/interface_connections.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <net/if_arp.h>
#include <netinet/in.h>
#include <netpacket/packet.h>

#include <QFileInfo>
#include <QMap>

#include "platform/route_table.h"

namespace trivanto {

namespace {

constexpr int kHardware6LoWPAN = 825;  // not named by the C library's headers

bool isWireless(const QString& name) {
    const QString device = QStringLiteral("/sys/class/net/") + name;
    return QFileInfo(device + QStringLiteral("/wireless")).isDir() ||
           QFileInfo(device + QStringLiteral("/phy80211")).exists();
}

struct InterfaceFacts {
    unsigned flags = 0;
    int hardwareType = -1;
    bool routableAddress = false;
};

}  // namespace

QString interfaceTypeName(int hardwareType, bool wireless) {
    switch (hardwareType) {
        case ARPHRD_ETHER:
            return wireless ? QStringLiteral("wifi") : QStringLiteral("ethernet");
        case ARPHRD_IEEE80211:
        case ARPHRD_IEEE80211_PRISM:
        case ARPHRD_IEEE80211_RADIOTAP:
            return QStringLiteral("wifi");
        case ARPHRD_PPP:
            return QStringLiteral("ppp");
        case ARPHRD_IEEE802154:
        case kHardware6LoWPAN:
            return QStringLiteral("lowpan");
        case ARPHRD_NONE:
        case ARPHRD_VOID:
        case ARPHRD_TUNNEL:
        case ARPHRD_TUNNEL6:
        case ARPHRD_SIT:
        case ARPHRD_IPGRE:
            return QStringLiteral("virtual");
        default:
            return QStringLiteral("network");
    }
}

bool isRoutableAddress(const sockaddr* address) {
    if (address == nullptr) {
        return false;
    }
    if (address->sa_family == AF_INET) {
        const auto* in = reinterpret_cast<const sockaddr_in*>(address);
        const quint32 ip = ntohl(in->sin_addr.s_addr);
        const bool loopback = (ip >> 24) == 127;
        const bool linkLocal = (ip >> 16) == 0xA9FE;  // 169.254/16
        return ip != 0 && !loopback && !linkLocal;
    }
    if (address->sa_family == AF_INET6) {
        const auto* in6 = reinterpret_cast<const sockaddr_in6*>(address);
        const in6_addr& ip = in6->sin6_addr;
        return !IN6_IS_ADDR_UNSPECIFIED(&ip) && !IN6_IS_ADDR_LOOPBACK(&ip) &&
               !IN6_IS_ADDR_LINKLOCAL(&ip);
    }
    return false;
}

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

QList<InterfaceInfo> systemInterfaces() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return {};
    }
    // One entry per interface and address family; the packet entry carries the hardware type.
    QMap<QString, InterfaceFacts> facts;
    QStringList order;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        const QString name = QString::fromLocal8Bit(entry->ifa_name);
        if (!facts.contains(name)) {
            order << name;
        }
        InterfaceFacts& interface = facts[name];
        interface.flags |= entry->ifa_flags;
        if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_PACKET) {
            interface.hardwareType =
                reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr)->sll_hatype;
        }
        interface.routableAddress = interface.routableAddress || isRoutableAddress(entry->ifa_addr);
    }
    freeifaddrs(list);
    QList<InterfaceInfo> interfaces;
    for (const QString& name : order) {
        const InterfaceFacts& interface = facts[name];
        InterfaceInfo info;
        info.name = name;
        info.deviceType = interfaceTypeName(
            interface.hardwareType, interface.hardwareType == ARPHRD_ETHER && isWireless(name));
        info.up = (interface.flags & IFF_UP) != 0;
        info.running = (interface.flags & IFF_RUNNING) != 0;
        info.loopback = (interface.flags & IFF_LOOPBACK) != 0;
        info.routableAddress = interface.routableAddress;
        interfaces.append(info);
    }
    return interfaces;
}

QList<ActiveConnection> systemInterfaceConnections() {
    return interfaceConnections(systemInterfaces(), readDefaultRouteInterfaces());
}

}  // namespace trivanto
