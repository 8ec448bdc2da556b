// Reading every category the way the setup does (record, count, slots 1 to N) for 101 full
// category files, beside merely reading the same bytes.
#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "core/questions/question_file.h"

namespace trivanto {
namespace {

constexpr int kFiles = 101;

struct Categories {
    QTemporaryDir dir;
    QStringList paths;

    Categories() {
        for (int f = 0; f < kFiles; ++f) {
            TQuestionFile file;
            writeCategoryHeader(file, QStringLiteral("Category %1").arg(f),
                                QDateTime::currentDateTime());
            for (int s = 1; s <= kSlotCount; ++s) {
                QuestionSlot slot;
                slot.question = QStringLiteral(
                                    "Question %1 of category %2: which one is right, "
                                    "the first, the second or the f\u00FCnfte?")
                                    .arg(s)
                                    .arg(f);
                slot.answers = {
                    QStringLiteral("Erste Antwort"), QStringLiteral("Zweite \u00C4nderung"),
                    QStringLiteral("Third answer"), QStringLiteral("Fourth \u2013 last")};
                slot.correct = QString::number(1 + s % 4);
                storeSlot(file.entries[size_t(s)], slot);
            }
            paths.append(dir.filePath(QStringLiteral("c%1.trv").arg(f)));
            static_cast<void>(WriteQuestionFile(paths.back(), file));
        }
    }
};

Categories& categories() {
    static Categories instance;
    return instance;
}

void BM_ReadCategoriesWithQuestions(benchmark::State& state) {
    const QStringList& paths = categories().paths;
    for (auto _ : state) {
        qsizetype characters = 0;
        for (const QString& path : paths) {
            const auto read = ReadQuestionFile(path);
            const int count = CountQuestions(*read);
            for (int s = 1; s <= count; ++s) {
                const QuestionSlot slot = loadSlot(read->entries[size_t(s)]);
                characters += slot.question.size();
            }
        }
        benchmark::DoNotOptimize(characters);
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ReadCategoriesWithQuestions)->Unit(benchmark::kMillisecond);

void BM_ReadCategoryTitles(benchmark::State& state) {
    const QStringList& paths = categories().paths;
    for (auto _ : state) {
        int total = 0;
        for (const QString& path : paths) {
            const auto read = ReadQuestionFile(path);
            total += CountQuestions(*read) + int(categoryTitle(*read).size());
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ReadCategoryTitles)->Unit(benchmark::kMillisecond);

void BM_ReadBytesOnly(benchmark::State& state) {
    const QStringList& paths = categories().paths;
    for (auto _ : state) {
        qsizetype total = 0;
        for (const QString& path : paths) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            total += file.readAll().size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ReadBytesOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trivanto
