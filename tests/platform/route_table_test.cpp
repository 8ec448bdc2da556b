#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/route_table.h"

namespace trivanto {
namespace {

const QByteArray kIpv4Header =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";

struct RouteCase {
    const char* name;
    QByteArray ipv4;
    QByteArray ipv6;
    QStringList expected;
};

class DefaultRoutes : public ::testing::TestWithParam<RouteCase> {};

TEST_P(DefaultRoutes, AreFoundPerInterface) {
    const RouteCase& c = GetParam();
    QStringList found = defaultRouteInterfaces(c.ipv4, c.ipv6).values();
    found.sort();
    EXPECT_EQ(found, c.expected);
}

const RouteCase kRouteCases[] = {
    {"ipv4_gateway",
     kIpv4Header + "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n"
                   "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n",
     {},
     {"eth0"}},
    {"only_a_local_network",
     kIpv4Header + "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n",
     {},
     {}},
    {"a_route_that_is_down",
     kIpv4Header + "wlan0\t00000000\t0101A8C0\t0002\t0\t0\t600\t00000000\t0\t0\t0\n",
     {},
     {}},
    {"a_rejecting_default",
     kIpv4Header + "ppp0\t00000000\t00000000\t0201\t0\t0\t0\t00000000\t0\t0\t0\n",
     {},
     {}},
    {"the_header_alone_is_no_route", kIpv4Header, {}, {}},
    {"ipv6_default_and_the_kernels_unreachable_one",
     {},
     "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
     "fd000000000000000000000000000001 00000400 00000002 00000000 00000003     eth1\n"
     "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
     "00000000000000000000000000000000 ffffffff 00000001 00000000 00200200       lo\n"
     "fe800000000000000000000000000000 40 00000000000000000000000000000000 00 "
     "00000000000000000000000000000000 00000100 00000002 00000000 00000001     eth1\n",
     {"eth1"}},
    {"both_families_and_damaged_lines",
     kIpv4Header + "wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n"
                   "garbage\n\n\tx\ty\tz\n"
                   "eth0\t00000000\t0101A8C0\tZZZZ\t0\t0\t0\t00000000\t0\t0\t0\n",
     "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
     "fe800000000000000000000000000001 00000400 00000002 00000000 00000003 wwan0\n"
     "short line\n",
     {"wlan0", "wwan0"}},
};

INSTANTIATE_TEST_SUITE_P(Tables, DefaultRoutes, ::testing::ValuesIn(kRouteCases),
                         [](const ::testing::TestParamInfo<RouteCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(DefaultRoutesFromFiles, MissingTablesMeanUnknownNotNone) {
    QTemporaryDir dir;
    EXPECT_FALSE(readDefaultRouteInterfaces(dir.path()).has_value());
    QFile ipv4(dir.filePath(QStringLiteral("route")));
    ASSERT_TRUE(ipv4.open(QIODevice::WriteOnly));
    ipv4.write(kIpv4Header + "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n");
    ipv4.close();
    const auto found = readDefaultRouteInterfaces(dir.path());
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->values(), QList<QString>{QStringLiteral("eth0")});
}

}  // namespace
}  // namespace trivanto
