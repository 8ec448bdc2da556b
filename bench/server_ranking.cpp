// The top-list server's hot paths: reading a send, storing a result with its rank and serving
// the week's list, in weeks of growing size (SQLite in memory, so the disk does not count).
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "core/scores/top_list_protocol.h"
#include "server/top_list_request.h"
#include "server/top_list_store.h"

using namespace trivanto;

namespace {

constexpr int kWeek = 202410;

std::unique_ptr<TopListStore> weekOf(int results) {
    DatabaseSettings settings;
    settings.databaseName = QStringLiteral(":memory:");
    auto store = TopListStore::open(settings, QStringLiteral("bench%1").arg(results));
    // Rising scores: each new result goes to the top, so filling stays cheap.
    for (int i = 0; i < results; ++i) {
        (void)store.value()->addResult(kWeek,
                                       {QStringLiteral("P%1").arg(i), QStringLiteral("p@x.test"), i,
                                        QStringLiteral("english"), i});
    }
    return std::move(store.value());
}

void ReadSend(benchmark::State& state) {
    const QByteArray query =
        commandQuery(addUserCommand(QStringLiteral("Anna Lee"), QStringLiteral("anna@lee.test"),
                                    1234567, QStringLiteral("english")));
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseAddUserQuery(query));
    }
}
BENCHMARK(ReadSend);

// A result in the middle of the week: the rank counts half the week.
void AddResultWithRank(benchmark::State& state) {
    const int results = int(state.range(0));
    const std::unique_ptr<TopListStore> store = weekOf(results);
    qint64 at = results;
    for (auto _ : state) {
        const Result<int> rank =
            store->addResult(kWeek, {QStringLiteral("Mid"), QStringLiteral("m@x.test"), results / 2,
                                     QStringLiteral("english"), ++at});
        benchmark::DoNotOptimize(rank.ok());
    }
}
BENCHMARK(AddResultWithRank)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void WeekList(benchmark::State& state) {
    const std::unique_ptr<TopListStore> store = weekOf(int(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(store->weekList(kWeek, 50).ok());
    }
}
BENCHMARK(WeekList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // the SQL drivers are plugins
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
