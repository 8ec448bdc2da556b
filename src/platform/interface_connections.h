#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <optional>

#include "core/app/connection_backend.h"

struct sockaddr;

namespace trivanto {

// What the program needs to know of one network interface.
struct InterfaceInfo {
    QString name;        // "eth0"
    QString deviceType;  // "ethernet", "wifi", ...
    bool up = false;
    bool running = false;  // carrier: a cable, an associated radio
    bool loopback = false;
    bool routableAddress = false;  // an address beyond loopback and link-local
};

// The prefix of the handles of connections found from interfaces rather than from
// NetworkManager.
inline const QString kInterfaceHandlePrefix = QStringLiteral("interface:");

// The interfaces that count as active connections when NetworkManager cannot be asked: up,
// running, not loopback, with a routable address, and, when the routing table is known, with
// a default route, so a local bridge alone does not count as the internet.
QList<ActiveConnection> interfaceConnections(const QList<InterfaceInfo>& interfaces,
                                             const std::optional<QSet<QString>>& defaultRoutes);

// The name of a device type from its kernel hardware type (ARPHRD_*) and, for an Ethernet
// type, whether it is a radio.
QString interfaceTypeName(int hardwareType, bool wireless);

// Whether an interface address reaches beyond this machine and its link: not loopback, not
// link-local, not unspecified. Only IPv4 and IPv6 addresses can.
bool isRoutableAddress(const sockaddr* address);

// The interfaces of the running system, as getifaddrs() lists them.
QList<InterfaceInfo> systemInterfaces();

// The active connections of the running system (its interfaces and the kernel's routing
// tables).
QList<ActiveConnection> systemInterfaceConnections();

}  // namespace trivanto
