#include <gtest/gtest.h>

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

}  // namespace
}  // namespace trivanto
