#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <net/if_arp.h>
#include <netinet/in.h>

#include <QMap>
#include <QNetworkInterface>

#include "platform/interface_connections.h"

namespace trivanto {
namespace {

InterfaceInfo active(const char* name, const char* type = "ethernet") {
    return {QLatin1String(name), QLatin1String(type), true, true, false, true};
}

QStringList namesOf(const QList<ActiveConnection>& rows) {
    QStringList names;
    for (const ActiveConnection& row : rows) {
        names << row.name;
    }
    return names;
}

TEST(InterfaceConnections, OnlyInterfacesThatCanCarryTheInternetCount) {
    InterfaceInfo down = active("eth1");
    down.up = false;
    InterfaceInfo noCarrier = active("eth2");
    noCarrier.running = false;
    InterfaceInfo loopback = active("lo", "network");
    loopback.loopback = true;
    InterfaceInfo linkLocalOnly = active("eth3");
    linkLocalOnly.routableAddress = false;
    const QList<InterfaceInfo> interfaces{active("eth0"), down,          noCarrier,
                                          loopback,       linkLocalOnly, active("wlan0", "wifi")};
    // Without a routing table every remaining interface counts.
    EXPECT_EQ(namesOf(interfaceConnections(interfaces, std::nullopt)),
              (QStringList{"eth0", "wlan0"}));
    // With one, only those with a default route: a bridge of local machines is no internet.
    const QList<ActiveConnection> rows =
        interfaceConnections(interfaces, QSet<QString>{QStringLiteral("wlan0")});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].handle, kInterfaceHandlePrefix + "wlan0");
    EXPECT_EQ(rows[0].deviceType, "wifi");
    EXPECT_EQ(rows[0].deviceName, "wlan0");
    EXPECT_EQ(rows[0].state, RasConnected);
    EXPECT_EQ(rows[0].error, 0);
    // A network that is down has no default route: nothing is active.
    EXPECT_TRUE(interfaceConnections(interfaces, QSet<QString>{}).isEmpty());
}

TEST(InterfaceConnections, ThisSystemsListNeverHoldsLoopback) {
    for (const ActiveConnection& row : systemInterfaceConnections()) {
        EXPECT_TRUE(row.handle.startsWith(kInterfaceHandlePrefix));
        EXPECT_NE(row.deviceName, "lo");
        EXPECT_FALSE(row.name.isEmpty());
    }
}

// The game reads the interfaces itself so it need not link Qt Network; Qt's view, where the
// tests have it, must agree.
TEST(InterfaceConnections, ThisSystemsInterfacesAsQtNetworkSeesThem) {
    QMap<QString, InterfaceInfo> byQt;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        InterfaceInfo info;
        info.name = interface.name();
        info.up = interface.flags().testFlag(QNetworkInterface::IsUp);
        info.running = interface.flags().testFlag(QNetworkInterface::IsRunning);
        info.loopback = interface.flags().testFlag(QNetworkInterface::IsLoopBack);
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            info.routableAddress =
                info.routableAddress || (!ip.isLoopback() && !ip.isLinkLocal() && !ip.isNull());
        }
        byQt.insert(info.name, info);
    }
    const QList<InterfaceInfo> ours = systemInterfaces();
    ASSERT_FALSE(ours.isEmpty());  // loopback at least
    EXPECT_EQ(ours.size(), byQt.size());
    for (const InterfaceInfo& info : ours) {
        ASSERT_TRUE(byQt.contains(info.name)) << info.name.toStdString();
        const InterfaceInfo& qt = byQt[info.name];
        EXPECT_EQ(info.up, qt.up) << info.name.toStdString();
        EXPECT_EQ(info.running, qt.running) << info.name.toStdString();
        EXPECT_EQ(info.loopback, qt.loopback) << info.name.toStdString();
        EXPECT_EQ(info.routableAddress, qt.routableAddress) << info.name.toStdString();
        EXPECT_FALSE(info.deviceType.isEmpty());
    }
}

TEST(InterfaceConnections, DeviceTypesFromTheKernelsHardwareTypes) {
    const struct {
        int hardwareType;
        bool wireless;
        const char* expected;
    } cases[] = {
        {ARPHRD_ETHER, false, "ethernet"},    {ARPHRD_ETHER, true, "wifi"},
        {ARPHRD_IEEE80211, false, "wifi"},    {ARPHRD_PPP, false, "ppp"},
        {ARPHRD_IEEE802154, false, "lowpan"}, {ARPHRD_NONE, false, "virtual"},
        {ARPHRD_LOOPBACK, false, "network"},  {-1, false, "network"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(interfaceTypeName(c.hardwareType, c.wireless), QLatin1String(c.expected))
            << c.hardwareType << " wireless " << c.wireless;
    }
}

TEST(InterfaceConnections, OnlyAddressesBeyondThisMachineAndItsLinkAreRoutable) {
    const struct {
        int family;
        const char* address;
        bool routable;
    } cases[] = {
        {AF_INET, "192.168.1.20", true},  {AF_INET, "8.8.8.8", true},
        {AF_INET, "127.0.0.1", false},    {AF_INET, "127.255.0.9", false},
        {AF_INET, "169.254.10.1", false}, {AF_INET, "0.0.0.0", false},
        {AF_INET6, "2001:db8::1", true},  {AF_INET6, "fd00::5", true},
        {AF_INET6, "::1", false},         {AF_INET6, "fe80::1", false},
        {AF_INET6, "::", false},
    };
    for (const auto& c : cases) {
        sockaddr_storage storage{};
        if (c.family == AF_INET) {
            auto* in = reinterpret_cast<sockaddr_in*>(&storage);
            in->sin_family = AF_INET;
            ASSERT_EQ(inet_pton(AF_INET, c.address, &in->sin_addr), 1) << c.address;
        } else {
            auto* in6 = reinterpret_cast<sockaddr_in6*>(&storage);
            in6->sin6_family = AF_INET6;
            ASSERT_EQ(inet_pton(AF_INET6, c.address, &in6->sin6_addr), 1) << c.address;
        }
        EXPECT_EQ(isRoutableAddress(reinterpret_cast<const sockaddr*>(&storage)), c.routable)
            << c.address;
    }
    sockaddr packet{};
    packet.sa_family = AF_PACKET;
    EXPECT_FALSE(isRoutableAddress(&packet));
    EXPECT_FALSE(isRoutableAddress(nullptr));
}

}  // namespace
}  // namespace trivanto
