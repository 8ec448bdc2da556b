// The pool build and the draw for the largest setup: 101 categories of 200 questions each,
// beside the plain reading of the same 101 files. BM_GameStartVsRead prints the ratio of the
// two on the user-interface thread's CPU time (the goal: at most 10); the plain-text copy is
// written on a worker thread after the game has begun and is timed on its own.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>
#include <ctime>
#include <random>
#include <vector>

#include "core/app/clock.h"
#include "core/app/random_source.h"
#include "core/common/file_write_job.h"
#include "core/common/save_file.h"
#include "core/game/game_question_list.h"
#include "core/lang/message_catalogue.h"
#include "core/questions/question_file.h"
#include "core/setup/question_pool.h"

namespace trivanto {
namespace {

// A clock whose pauses take no time: runPending() fires every started timer at once, so the
// figures are the work of the build alone.
class NoWaitClock final : public Clock {
public:
    qint64 tickMs() const override { return 0; }
    QDateTime now() const override { return QDateTime(QDate(2024, 1, 1), QTime(12, 0)); }
    std::unique_ptr<Timer> createTimer(std::function<void()> timeout, TimerMode) override {
        return std::make_unique<Pending>(*this, std::move(timeout));
    }
    void splashWait(int) override {}

    void runPending() {
        while (!m_due.empty()) {
            auto timeout = std::move(m_due.front());
            m_due.erase(m_due.begin());
            const auto begun = std::chrono::steady_clock::now();
            timeout();
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - begun;
            longestStepMs = std::max(longestStepMs, took.count());
        }
    }
    // The longest single step, on the wall clock: how long the window could not repaint.
    double longestStepMs = 0;

private:
    class Pending final : public Timer {
    public:
        Pending(NoWaitClock& clock, std::function<void()> timeout)
            : m_clock(clock), m_timeout(std::move(timeout)) {}
        void start(int) override { m_clock.m_due.push_back(m_timeout); }
        void stop() override {}
        bool isActive() const override { return false; }

    private:
        NoWaitClock& m_clock;
        std::function<void()> m_timeout;
    };
    std::vector<std::function<void()>> m_due;
};

PoolBuildResult buildPool(NoWaitClock& clock, const MessageCatalogue& catalogue,
                          const std::vector<CategoryRow>& rows, const QString& poolFile) {
    QuestionPoolBuilder builder(clock, catalogue);
    PoolBuildResult built;
    builder.start(rows, poolFile, nullptr,
                  [&](PoolBuildResult result) { built = std::move(result); });
    clock.runPending();
    // The copy is written on the worker; its end is not part of the game start.
    builder.waitForPoolFile();
    return built;
}

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class SeededRandom final : public RandomSource {
public:
    int uniform(int low, int high) override {
        return std::uniform_int_distribution<int>(low, high)(m_engine);
    }

private:
    std::mt19937 m_engine{42};
};

struct Categories {
    QTemporaryDir dir;
    std::vector<CategoryRow> rows;

    Categories() {
        for (int c = 1; c <= kMaxCategories; ++c) {
            TQuestionFile file;
            const QString title = QStringLiteral("Category %1").arg(c, 3, 10, QLatin1Char('0'));
            writeCategoryHeader(file, title, QDateTime(QDate(2024, 1, 1), QTime(12, 0)));
            for (int i = 1; i <= kSlotCount; ++i) {
                const QString q = QStringLiteral("Question %1 of %2, long enough to look real?")
                                      .arg(i)
                                      .arg(title);
                storeSlot(file.entries[static_cast<std::size_t>(i)],
                          {q,
                           {QStringLiteral("First answer"), QStringLiteral("Second answer"),
                            QStringLiteral("Third answer"), QStringLiteral("Fourth answer")},
                           QString::number(i % 4 + 1)});
            }
            CategoryRow row;
            row.path = dir.filePath(title + QStringLiteral(".trv"));
            row.title = title;
            row.UsableCount = kSlotCount;
            row.ticked = true;
            static_cast<void>(WriteQuestionFile(row.path, file));
            rows.push_back(row);
        }
    }
};

// What every game start needs beside the files: the clock and the texts.
struct Start {
    NoWaitClock clock;
    MessageCatalogue catalogue;
    Start() { catalogue.SetEnglishTexts(); }
};

Categories& categories() {
    static Categories instance;
    return instance;
}

int readAll(const Categories& cats) {
    int total = 0;
    for (const auto& row : cats.rows) {
        const auto read = ReadQuestionFile(row.path);
        total += CountQuestions(*read);
    }
    return total;
}

void BM_ReadAllCategories(benchmark::State& state) {
    auto& cats = categories();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readAll(cats));
    }
}
BENCHMARK(BM_ReadAllCategories)->Unit(benchmark::kMillisecond);

void BM_BuildPool(benchmark::State& state) {
    auto& cats = categories();
    Start start;
    auto& [clock, catalogue] = start;
    const QString poolFile = cats.dir.filePath(QStringLiteral("fragen.tmp"));
    for (auto _ : state) {
        const auto result = buildPool(clock, catalogue, cats.rows, poolFile);
        benchmark::DoNotOptimize(result.pool.size());
    }
}
BENCHMARK(BM_BuildPool)->Unit(benchmark::kMillisecond);

void BM_DrawGame(benchmark::State& state) {
    auto& cats = categories();
    Start start;
    auto& [clock, catalogue] = start;
    const auto built =
        buildPool(clock, catalogue, cats.rows, cats.dir.filePath(QStringLiteral("fragen.tmp")));
    SeededRandom random;
    for (auto _ : state) {
        const auto drawn = drawGameQuestions(built.pool, 200, 4, random);
        benchmark::DoNotOptimize(drawn.has_value());
    }
}
BENCHMARK(BM_DrawGame)->Unit(benchmark::kMillisecond);

// Build and draw against the reading of the same files, each on this thread's CPU clock, in
// turn within every iteration so that a change of the machine's speed touches both.
void BM_GameStartVsRead(benchmark::State& state) {
    auto& cats = categories();
    Start start;
    auto& [clock, catalogue] = start;
    const QString poolFile = cats.dir.filePath(QStringLiteral("fragen.tmp"));
    SeededRandom random;
    QuestionPoolBuilder builder(clock, catalogue);
    double readMs = 0;
    double startMs = 0;
    for (auto _ : state) {
        double t0 = threadCpuMs();
        benchmark::DoNotOptimize(readAll(cats));
        double t1 = threadCpuMs();
        readMs += t1 - t0;

        PoolBuildResult built;
        t0 = threadCpuMs();
        builder.start(cats.rows, poolFile, nullptr,
                      [&](PoolBuildResult result) { built = std::move(result); });
        clock.runPending();
        const auto drawn = drawGameQuestions(built.pool, 200, 4, random);
        benchmark::DoNotOptimize(drawn.has_value());
        built = PoolBuildResult{};
        t1 = threadCpuMs();
        startMs += t1 - t0;
        state.PauseTiming();
        builder.waitForPoolFile();
        state.ResumeTiming();
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["read_cpu_ms"] = readMs / n;
    state.counters["start_cpu_ms"] = startMs / n;
    state.counters["ratio"] = readMs > 0 ? startMs / readMs : 0;
}
BENCHMARK(BM_GameStartVsRead)->Unit(benchmark::kMillisecond);

// The longest step of a game start on the user-interface thread (the goal: under 16 ms, one
// frame): each category's step, and the last one with the draw, which hands "game.log" to a
// worker as the game start does.
void BM_LongestGameStartStep(benchmark::State& state) {
    auto& cats = categories();
    Start start;
    auto& [clock, catalogue] = start;
    const QString poolFile = cats.dir.filePath(QStringLiteral("fragen.tmp"));
    const QString gameLog = cats.dir.filePath(QStringLiteral("game.log"));
    SeededRandom random;
    QuestionPoolBuilder builder(clock, catalogue);
    FileWriteJob gameList;
    double longest = 0;
    for (auto _ : state) {
        clock.longestStepMs = 0;
        builder.start(cats.rows, poolFile, nullptr, [&](PoolBuildResult built) {
            const auto drawn = drawGameQuestions(built.pool, 200, 4, random);
            gameList.start(gameLog, questionFileToBytes(gameQuestionList(*drawn)),
                           [](const Status& written) { benchmark::DoNotOptimize(written.ok()); });
        });
        clock.runPending();
        longest = std::max(longest, clock.longestStepMs);
        state.PauseTiming();
        gameList.wait();
        builder.waitForPoolFile();
        state.ResumeTiming();
    }
    state.counters["longest_step_ms"] = longest;
}
BENCHMARK(BM_LongestGameStartStep)->Unit(benchmark::kMillisecond);

// The plain-text copy written to disk, as the worker does it after the game has begun.
void BM_WritePoolFile(benchmark::State& state) {
    auto& cats = categories();
    PoolFileText text;
    for (const auto& row : cats.rows) {
        const auto read = ReadQuestionFile(row.path);
        for (int s = 1; s <= kSlotCount; ++s) {
            text.add(read->entries[static_cast<std::size_t>(s)]);
        }
    }
    const QByteArray bytes = text.finish();
    const QString path = cats.dir.filePath(QStringLiteral("copy.tmp"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(saveWholeFile(path, bytes).ok());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_WritePoolFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trivanto
