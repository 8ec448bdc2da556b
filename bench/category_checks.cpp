// The checks of a full category of 200 questions: on their own, as the editor reruns them after
// every key the author types, and as trivanto-cat check runs them on a category file.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "core/app/clock.h"
#include "core/app/message_dialog.h"
#include "core/editor/question_editor.h"
#include "core/lang/message_catalogue.h"
#include "core/questions/category_checks.h"
#include "core/questions/category_source.h"

namespace trivanto {
namespace {

// Two hundred questions of realistic length, every fifth an estimation question.
std::vector<PlainQuestion> fullCategory() {
    std::vector<PlainQuestion> questions;
    for (int i = 1; i <= kSlotCount; ++i) {
        PlainQuestion q;
        q.position = i;
        q.question = QStringLiteral(
                         "Question %1: which of these is the right one, the first, the "
                         "second or the f\u00FCnfte \u2013 or none?")
                         .arg(i);
        if (i % 5 == 0) {
            q.kind = QuestionKind::Estimation;
            q.answers = {QString::number(i * 37), QStringLiteral("ife"), QStringLiteral("ife"),
                         QStringLiteral("ife")};
            q.correct = QStringLiteral("1");
        } else {
            q.answers = {QStringLiteral("Erste Antwort %1").arg(i),
                         QStringLiteral("Zweite \u00C4nderung %1").arg(i),
                         QStringLiteral("Third answer %1").arg(i),
                         QStringLiteral("Fourth \u2013 last %1").arg(i)};
            q.correct = QString::number(i % 4 + 1);
        }
        questions.push_back(q);
    }
    return questions;
}

void BM_CheckQuestions(benchmark::State& state) {
    const std::vector<PlainQuestion> questions = fullCategory();
    for (auto _ : state) {
        benchmark::DoNotOptimize(checkQuestions(questions, true));
    }
    state.SetItemsProcessed(state.iterations() * kSlotCount);
}
BENCHMARK(BM_CheckQuestions)->Unit(benchmark::kMicrosecond);

void BM_CheckCategoryRecord(benchmark::State& state) {
    const TQuestionFile file = buildCategory(fullCategory(), QStringLiteral("Full"), QDateTime());
    for (auto _ : state) {
        benchmark::DoNotOptimize(checkCategoryRecord(file));
    }
    state.SetItemsProcessed(state.iterations() * kSlotCount);
}
BENCHMARK(BM_CheckCategoryRecord)->Unit(benchmark::kMicrosecond);

class SilentDialog final : public MessageDialog {
public:
    int show(const MessageRequest&) override { return AnswerNo; }
};

class StillClock final : public Clock {
public:
    qint64 tickMs() const override { return 0; }
    QDateTime now() const override { return QDateTime(QDate(2024, 3, 9), QTime(12, 0)); }
    std::unique_ptr<Timer> createTimer(std::function<void()>, TimerMode) override {
        return nullptr;
    }
    void splashWait(int) override {}
};

// One key typed into the question of slot 100: the editor rechecks the whole category and
// renews its view.
void BM_EditorKeystroke(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Full.trv"));
    if (!WriteQuestionFile(path,
                           buildCategory(fullCategory(), QStringLiteral("Full"), QDateTime()))) {
        state.SkipWithError("the category file cannot be written");
        return;
    }
    SilentDialog dialog;
    StillClock clock;
    MessageCatalogue catalogue;
    catalogue.apply(Language::Englisch);
    QuestionEditor editor({dialog, catalogue, clock, dir.path()});
    editor.openCategory(QStringLiteral("Full.trv"));
    editor.showSlot(100);
    const QString typed = editor.view().fields.question;
    qsizetype length = typed.size();
    for (auto _ : state) {
        length = length == typed.size() ? typed.size() - 1 : typed.size();
        editor.setQuestion(typed.left(length));
        benchmark::DoNotOptimize(editor.findings().size());
    }
}
BENCHMARK(BM_EditorKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace trivanto
