#include "core/setup/question_pool.h"

#include <QFile>
#include <QSet>

#include "core/app/clock.h"
#include "core/app/random_source.h"
#include "core/lang/message_catalogue.h"
#include "core/update/ini_document.h"

namespace trivanto {

namespace {
constexpr int kPoolStepPauseMs = 10;

bool playable(const QuestionSlot& slot, int playerCount) {
    return playerCount != 1 || slot.answers[1] != QLatin1String(kEstimationMarker);
}
}  // namespace

PoolBuildResult buildQuestionPool(const std::vector<CategoryRow>& chosen, const QString& poolFile,
                                  Clock& clock, const MessageCatalogue& catalogue,
                                  SetupProgress* progress) {
    PoolBuildResult result;
    QFile::remove(poolFile);
    TIniDocument ini(poolFile);
    const int a = static_cast<int>(chosen.size());
    int position = 0;
    for (int i = 1; i <= a; ++i) {
        const CategoryRow& row = chosen[static_cast<std::size_t>(i - 1)];
        const QString line = catalogue.text(Msg::MsgLoadingCategory) + QString::number(i) +
                             QStringLiteral(" / ") + QString::number(a) +
                             catalogue.text(Msg::MsgLoadingCategoryTail);
        if (progress != nullptr) {
            progress->report(line, position);
        }
        clock.wait(kPoolStepPauseMs);
        const QuestionFileReadResult read = ReadQuestionFile(row.path);
        if (!read.ok()) {
            result.unreadablePath = row.path;
            result.pool.clear();
            return result;
        }
        position += 100 / a;
        if (progress != nullptr) {
            progress->report(line, position);
        }
        for (int s = 1; s <= std::min(row.total(), kSlotCount); ++s) {
            QuestionSlot slot = loadSlot(read.file.entries[static_cast<std::size_t>(s)]);
            const QString section = QString::number(result.pool.size() + 1);
            ini.WriteValue(section, QStringLiteral("0"), slot.question);
            for (int k = 0; k < 4; ++k) {
                ini.WriteValue(section, QString::number(k + 1),
                               slot.answers[static_cast<std::size_t>(k)]);
            }
            ini.WriteValue(section, QStringLiteral("5"), slot.correct);
            result.pool.push_back(std::move(slot));
        }
    }
    ini.WriteValue(QStringLiteral("BT"), QStringLiteral("HEADER"),
                   QString::number(result.pool.size()));
    // The pool file is only a plain-text copy for the curious; the game never reads it back,
    // so a failed write does not stop the game.
    ini.Flush();
    return result;
}

int distinctPlayableCount(const std::vector<QuestionSlot>& pool, int playerCount) {
    QSet<QString> texts;
    for (const auto& slot : pool) {
        if (playable(slot, playerCount)) {
            texts.insert(slot.question);
        }
    }
    return static_cast<int>(texts.size());
}

std::optional<TQuestionFile> drawGameQuestions(const std::vector<QuestionSlot>& pool, int n,
                                               int playerCount, RandomSource& random) {
    if (n < 1 || n > kSlotCount || distinctPlayableCount(pool, playerCount) < n) {
        return std::nullopt;
    }
    // Drawing among the entries still allowed equals drawing from the whole pool and
    // rejecting repeats, but always ends.
    std::vector<int> candidates;
    candidates.reserve(pool.size());
    for (int i = 0; i < static_cast<int>(pool.size()); ++i) {
        if (playable(pool[static_cast<std::size_t>(i)], playerCount)) {
            candidates.push_back(i);
        }
    }
    auto file = std::make_optional<TQuestionFile>();
    for (int j = 1; j <= n; ++j) {
        const int r = random.uniform(1, static_cast<int>(candidates.size()));
        const QuestionSlot& drawn = pool[static_cast<std::size_t>(candidates[r - 1])];
        storeSlot(file->entries[static_cast<std::size_t>(j)], drawn);
        std::erase_if(candidates, [&](int i) {
            return pool[static_cast<std::size_t>(i)].question == drawn.question;
        });
    }
    const int jokers = random.uniform(1, playerCount + 3);
    for (int k = 0; k < jokers; ++k) {
        const int m = random.uniform(1, n);
        TQuestionEntry& entry = file->entries[static_cast<std::size_t>(m)];
        const QString correct = LoadField(entry.fields[FieldCorrect], false);
        const QString joker = QLatin1String(kJokerMarker);
        storeSlot(entry, {QLatin1String(kJokerQuestion), {joker, joker, joker, joker}, correct});
    }
    return file;
}

}  // namespace trivanto
