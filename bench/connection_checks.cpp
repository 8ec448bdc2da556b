// What the connection checks cost on the user-interface thread where NetworkManager is not
// there: the quick look at start-up and every fallback listing read the interfaces and the
// kernel's routing tables.
#include <benchmark/benchmark.h>

#include "platform/interface_connections.h"
#include "platform/route_table.h"

namespace {

void BM_SystemInterfaceConnections(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(trivanto::systemInterfaceConnections());
    }
}
BENCHMARK(BM_SystemInterfaceConnections);

void BM_DefaultRouteTables(benchmark::State& state) {
    // A desktop's tables: a few routes per interface, both families.
    QByteArray ipv4 =
        "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
    QByteArray ipv6;
    for (int i = 0; i < 8; ++i) {
        const QByteArray name = "eth" + QByteArray::number(i);
        ipv4 += name + "\t00000000\t0101A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n";
        ipv4 += name + "\t0001A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n";
        ipv6 +=
            "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
            "fe800000000000000000000000000001 00000400 00000002 00000000 00000003 " +
            name + "\n";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(trivanto::defaultRouteInterfaces(ipv4, ipv6));
    }
}
BENCHMARK(BM_DefaultRouteTables);

}  // namespace
