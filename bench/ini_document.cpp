// A question pool sized INI file: 20,200 sections of 6 keys. Loading it and reading every key,
// the sections in random order, beside merely reading the file's bytes.
#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <random>
#include <vector>

#include "core/update/ini_document.h"

namespace trivanto {
namespace {

constexpr int kSections = 20200;
const char* const kKeys[] = {"Frage", "Antwort1", "Antwort2", "Antwort3", "Antwort4", "Richtig"};

struct PoolFile {
    QTemporaryDir dir;
    QString path;
    std::vector<QString> sections;
    std::vector<int> order;

    PoolFile() : path(dir.filePath(QStringLiteral("fragen.tmp"))) {
        {
            TIniDocument doc(path);
            for (int s = 0; s < kSections; ++s) {
                sections.push_back(QStringLiteral("Frage%1").arg(s));
                for (const char* key : kKeys) {
                    doc.WriteValue(
                        sections.back(), QString::fromLatin1(key),
                        QStringLiteral("Ein Text von mittlerer L\u00E4nge f\u00FCr %1 in %2")
                            .arg(QString::fromLatin1(key))
                            .arg(s));
                }
            }
        }
        order.resize(kSections);
        for (int i = 0; i < kSections; ++i) {
            order[size_t(i)] = i;
        }
        std::shuffle(order.begin(), order.end(), std::mt19937(2024));
    }
};

PoolFile& pool() {
    static PoolFile instance;
    return instance;
}

void BM_LoadAndReadEveryKeyRandomOrder(benchmark::State& state) {
    PoolFile& p = pool();
    for (auto _ : state) {
        TIniDocument doc(p.path);
        qsizetype total = 0;
        for (const int s : p.order) {
            for (const char* key : kKeys) {
                total += doc.ReadValue(p.sections[size_t(s)], QString::fromLatin1(key), {}).size();
            }
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kSections * 6);
}
BENCHMARK(BM_LoadAndReadEveryKeyRandomOrder)->Unit(benchmark::kMillisecond);

void BM_LoadOnly(benchmark::State& state) {
    for (auto _ : state) {
        TIniDocument doc(pool().path);
        benchmark::DoNotOptimize(doc.sectionCount());
    }
}
BENCHMARK(BM_LoadOnly)->Unit(benchmark::kMillisecond);

void BM_ReadFileBytesOnly(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(pool().path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().size());
    }
}
BENCHMARK(BM_ReadFileBytesOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trivanto
