// How long the update's core work takes: reading a catalogue (a real-sized one and the worst a
// hostile server can send within the limits), and unpacking an archive whole and step by step
// (one step is what the window waits for between two timer ticks).
#include <benchmark/benchmark.h>
#include <zip.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>

#include "core/update/archive_installer.h"
#include "core/update/update_catalogue.h"

using namespace trivanto;

namespace {

QByteArray realCatalogue() {
    QByteArray text("[Head]\r\nInfo=March\r\n");
    for (int n = 1; n <= 20; ++n) {
        text +=
            "[" + QByteArray::number(n) + "]\r\nItemName=Group " + QByteArray::number(n) + "\r\n";
        for (int k = 1; k <= 30; ++k) {
            const QByteArray s = QByteArray::number(k);
            text += "SubItemName" + s + "=Package " + s + "\r\nSubItemDate" + s +
                    "=2024-03-01\r\nSubItemFilesize" + s + "=120 KB\r\nSubItemText" + s +
                    "=A description of the package\r\nSubItemFilename" + s + "=p" +
                    QByteArray::number(n) + "_" + s + ".zip\r\nSubItemChecksum" + s + "=" +
                    QByteArray(64, 'a') + "\r\n";
        }
    }
    return text;
}

// One section as long as the size limit allows, with the packages' keys at its end: every
// lookup walks the whole section.
QByteArray worstCatalogue() {
    QByteArray text("[1]\r\nItemName=G\r\n");
    while (text.size() < UpdateCatalogue::kMaxFileSize - 20000) {
        text += "Filler=xxxxxxxxxxxxxxxxxxxx\r\n";
    }
    for (int k = 1; text.size() < UpdateCatalogue::kMaxFileSize - 40; ++k) {
        text += "SubItemName" + QByteArray::number(k) + "=p\r\n";
    }
    return text;
}

void BM_ReadRealCatalogue(benchmark::State& state) {
    const QByteArray bytes = realCatalogue();
    for (auto _ : state) {
        benchmark::DoNotOptimize(UpdateCatalogue::fromBytes(bytes).ok());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadRealCatalogue)->Unit(benchmark::kMillisecond);

void BM_ReadWorstCatalogue(benchmark::State& state) {
    const QByteArray bytes = worstCatalogue();
    for (auto _ : state) {
        benchmark::DoNotOptimize(UpdateCatalogue::fromBytes(bytes).ok());
    }
}
BENCHMARK(BM_ReadWorstCatalogue)->Unit(benchmark::kMillisecond);

// 16 files of 2 MB each, compressible like category files.
QString writeArchive(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("package.zip"));
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    static QByteArray data;
    data.resize(2 * 1024 * 1024);
    for (qsizetype i = 0; i < data.size(); ++i) {
        data[i] = char((i * 7919) % 251);
    }
    for (int i = 0; i < 16; ++i) {
        zip_source_t* source =
            zip_source_buffer(zip, data.constData(), zip_uint64_t(data.size()), 0);
        zip_file_add(zip, QByteArray("file" + QByteArray::number(i) + ".trv").constData(), source,
                     0);
    }
    zip_close(zip);
    return path;
}

void BM_InstallArchive(benchmark::State& state) {
    QTemporaryDir dir;
    const QString archive = writeArchive(dir);
    for (auto _ : state) {
        ArchiveInstaller installer(archive, dir.path());
        benchmark::DoNotOptimize(installer.runToEnd().ok());
    }
    state.SetBytesProcessed(state.iterations() * 16 * 2 * 1024 * 1024);
}
BENCHMARK(BM_InstallArchive)->Unit(benchmark::kMillisecond);

// Processor time of this thread: on a shared machine the wall clock measures the neighbours.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// The longest single step: what one timer tick costs the window.
void BM_LongestUnpackStep(benchmark::State& state) {
    QTemporaryDir dir;
    const QString archive = writeArchive(dir);
    double longest = 0;
    for (auto _ : state) {
        ArchiveInstaller installer(archive, dir.path());
        bool done = false;
        while (!done) {
            const double start = threadCpuMs();
            done = installer.step();
            longest = std::max(longest, threadCpuMs() - start);
        }
    }
    state.counters["longest_step_cpu_ms"] = longest;
}
BENCHMARK(BM_LongestUnpackStep)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
