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

// "Loading Category i / A. The information is being processed ..."
QString loadingLine(const MessageCatalogue& catalogue, int i, int a) {
    return catalogue.text(Msg::MsgLoadingCategory) + QString::number(i) + QStringLiteral(" / ") +
           QString::number(a) + catalogue.text(Msg::MsgLoadingCategoryTail);
}

bool playable(const QuestionSlot& slot, int playerCount) {
    return playerCount != 1 || slot.answers[1] != QLatin1String(kEstimationMarker);
}
}  // namespace

QuestionPoolBuilder::QuestionPoolBuilder(Clock& clock, const MessageCatalogue& catalogue)
    : m_catalogue(catalogue),
      m_timer(clock.createTimer([this] { step(); }, TimerMode::SingleShot)) {}

QuestionPoolBuilder::~QuestionPoolBuilder() = default;

void QuestionPoolBuilder::start(std::vector<CategoryRow> chosen, QString poolFile,
                                SetupProgress* progress,
                                std::function<void(PoolBuildResult)> done) {
    m_chosen = std::move(chosen);
    m_poolFile = std::move(poolFile);
    m_progress = progress;
    m_done = std::move(done);
    m_result = PoolBuildResult{};
    m_next = 0;
    m_position = 0;
    m_running = true;
    if (m_chosen.empty()) {
        finish();
        return;
    }
    // The first category's line shows before its pause.
    const int a = static_cast<int>(m_chosen.size());
    if (m_progress != nullptr) {
        m_progress->report(loadingLine(m_catalogue, 1, a), m_position);
    }
    m_timer->start(kPoolStepPauseMs);
}

void QuestionPoolBuilder::step() {
    if (!m_running) {
        return;
    }
    const int a = static_cast<int>(m_chosen.size());
    const CategoryRow& row = m_chosen[m_next];
    const int i = static_cast<int>(m_next) + 1;
    const auto read = ReadQuestionFile(row.path);
    if (!read.ok()) {
        m_result.unreadablePath = row.path;
        m_result.pool.clear();
        finish();
        return;
    }
    m_position += 100 / a;
    if (m_progress != nullptr) {
        m_progress->report(loadingLine(m_catalogue, i, a), m_position);
    }
    for (int s = 1; s <= std::min(row.total(), kSlotCount); ++s) {
        m_result.pool.push_back(loadSlot(read->entries[static_cast<std::size_t>(s)]));
    }
    ++m_next;
    if (m_next == m_chosen.size()) {
        finish();
        return;
    }
    if (m_progress != nullptr) {
        m_progress->report(loadingLine(m_catalogue, i + 1, a), m_position);
    }
    m_timer->start(kPoolStepPauseMs);
}

void QuestionPoolBuilder::finish() {
    if (m_result.ok()) {
        // Nothing reads the copy back; a failed write is told, but the game can go on.
        const Status written = writePoolFile(m_result.pool, m_poolFile);
        m_result.poolFileError = written.error();
    }
    m_running = false;
    // The callback may start the next build: hand over what this one made first.
    auto done = std::move(m_done);
    PoolBuildResult result = std::move(m_result);
    m_result = PoolBuildResult{};
    if (done) {
        done(std::move(result));
    }
}

Status writePoolFile(const std::vector<QuestionSlot>& pool, const QString& poolFile) {
    QFile::remove(poolFile);
    TIniDocument ini(poolFile);
    for (std::size_t c = 0; c < pool.size(); ++c) {
        const QuestionSlot& slot = pool[c];
        const QString section = QString::number(c + 1);
        ini.WriteValue(section, QStringLiteral("0"), slot.question);
        for (int k = 0; k < 4; ++k) {
            ini.WriteValue(section, QString::number(k + 1),
                           slot.answers[static_cast<std::size_t>(k)]);
        }
        ini.WriteValue(section, QStringLiteral("5"), slot.correct);
    }
    ini.WriteValue(QStringLiteral("BT"), QStringLiteral("HEADER"), QString::number(pool.size()));
    return ini.Flush();
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

std::optional<GameQuestions> drawGameQuestions(const std::vector<QuestionSlot>& pool, int n,
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
    GameQuestions drawnList;
    drawnList.reserve(static_cast<std::size_t>(n));
    for (int j = 1; j <= n; ++j) {
        const int r = random.uniform(1, static_cast<int>(candidates.size()));
        const QuestionSlot& drawn = pool[static_cast<std::size_t>(candidates[r - 1])];
        drawnList.push_back(drawn);
        std::erase_if(candidates, [&](int i) {
            return pool[static_cast<std::size_t>(i)].question == drawn.question;
        });
    }
    const int jokers = random.uniform(1, playerCount + 3);
    for (int k = 0; k < jokers; ++k) {
        const int m = random.uniform(1, n);
        QuestionSlot& slot = drawnList[static_cast<std::size_t>(m - 1)];
        const QString joker = QLatin1String(kJokerMarker);
        slot = {QLatin1String(kJokerQuestion), {joker, joker, joker, joker}, slot.correct};
    }
    return drawnList;
}

TQuestionFile gameQuestionList(const GameQuestions& questions) {
    TQuestionFile file;
    const std::size_t n = std::min<std::size_t>(questions.size(), kSlotCount);
    for (std::size_t k = 0; k < n; ++k) {
        storeSlot(file.entries[k + 1], questions[k]);
    }
    return file;
}

}  // namespace trivanto
