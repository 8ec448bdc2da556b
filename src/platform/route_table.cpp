#include "platform/route_table.h"

#include <QFile>
#include <QList>

#include "core/common/file_path.h"

namespace trivanto {

namespace {

// Route flags of the kernel.
constexpr uint kRouteUp = 0x0001;
constexpr uint kRouteReject = 0x0200;

bool usable(const QByteArray& hexFlags) {
    bool ok = false;
    const uint flags = hexFlags.toUInt(&ok, 16);
    return ok && (flags & kRouteUp) != 0 && (flags & kRouteReject) == 0;
}

bool allZero(const QByteArray& hex) {
    return !hex.isEmpty() && hex.count('0') == hex.size();
}

QList<QByteArray> fields(const QByteArray& line) {
    return line.simplified().split(' ');
}

}  // namespace

QSet<QString> defaultRouteInterfaces(const QByteArray& ipv4Table, const QByteArray& ipv6Table) {
    QSet<QString> result;
    // Iface Destination Gateway Flags RefCnt Use Metric Mask ...; the first line is a header.
    const QList<QByteArray> ipv4Lines = ipv4Table.split('\n');
    for (qsizetype i = 1; i < ipv4Lines.size(); ++i) {
        const QList<QByteArray> f = fields(ipv4Lines[i]);
        if (f.size() >= 8 && allZero(f[1]) && allZero(f[7]) && usable(f[3])) {
            result.insert(QString::fromLatin1(f[0]));
        }
    }
    // Destination PrefixLength Source SourcePrefix NextHop Metric RefCnt Use Flags Iface.
    for (const QByteArray& line : ipv6Table.split('\n')) {
        const QList<QByteArray> f = fields(line);
        if (f.size() >= 10 && allZero(f[0]) && allZero(f[1]) && usable(f[8])) {
            result.insert(QString::fromLatin1(f[9]));
        }
    }
    return result;
}

std::optional<QSet<QString>> readDefaultRouteInterfaces(const QString& procNetFolder) {
    QFile ipv4(filePath(procNetFolder, QStringLiteral("route")));
    QFile ipv6(filePath(procNetFolder, QStringLiteral("ipv6_route")));
    const bool haveIpv4 = ipv4.open(QIODevice::ReadOnly);
    const bool haveIpv6 = ipv6.open(QIODevice::ReadOnly);
    if (!haveIpv4 && !haveIpv6) {
        return std::nullopt;
    }
    // Files of /proc report no size: read them to the end.
    return defaultRouteInterfaces(haveIpv4 ? ipv4.readAll() : QByteArray(),
                                  haveIpv6 ? ipv6.readAll() : QByteArray());
}

}  // namespace trivanto
