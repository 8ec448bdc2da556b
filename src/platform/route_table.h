#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <optional>

namespace trivanto {

// The network interfaces that carry a usable default route, read from the kernel's routing
// tables in the text form of /proc/net/route (IPv4) and /proc/net/ipv6_route (IPv6). Routes
// that are down or that reject (the kernel's "unreachable" defaults) do not count.
QSet<QString> defaultRouteInterfaces(const QByteArray& ipv4Table, const QByteArray& ipv6Table);

// The same from the running system; empty when neither table can be read (then the caller
// cannot tell and should not filter by routes).
std::optional<QSet<QString>> readDefaultRouteInterfaces(
    const QString& procNetFolder = QStringLiteral("/proc/net"));

}  // namespace trivanto
