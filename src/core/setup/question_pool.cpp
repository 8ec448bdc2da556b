#include "core/setup/question_pool.h"

#include <algorithm>

#include "core/app/clock.h"
#include "core/app/random_source.h"
#include "core/lang/message_catalogue.h"
#include "core/text/cp1252.h"

namespace trivanto {

namespace {
constexpr int kPoolStepPauseMs = 10;

// "Loading Category i / A. The information is being processed ..."
QString loadingLine(const MessageCatalogue& catalogue, int i, int a) {
    return catalogue.text(Msg::MsgLoadingCategory) + QString::number(i) + QStringLiteral(" / ") +
           QString::number(a) + catalogue.text(Msg::MsgLoadingCategoryTail);
}

// Whether the stored text shows nothing: every character white space (or none at all).
bool blankText(const TQuestionField& field) {
    const int length = std::min<int>(field[0], kFieldCapacity);
    for (int i = 1; i <= length; ++i) {
        if (!cp1252Char(static_cast<quint8>(field[static_cast<std::size_t>(i)] ^ ScrambleKey))
                 .isSpace()) {
            return false;
        }
    }
    return true;
}

bool playable(const TQuestionEntry& entry, int playerCount) {
    // A slot without a question text is no question, whatever its other fields hold.
    if (blankText(entry.fields[FieldQuestion])) {
        return false;
    }
    return playerCount != 1 || QuestionKindOf(entry) != QuestionKind::Estimation;
}

// Counts over positions 0..n-1 that can be switched off one by one; finds the r-th position
// still on in O(log n).
class PositionCounts {
public:
    explicit PositionCounts(int n) : m_tree(static_cast<std::size_t>(n) + 1, 0) {
        for (int i = 1; i <= n; ++i) {
            m_tree[idx(i)] += 1;
            const int parent = i + (i & -i);
            if (parent <= n) {
                m_tree[idx(parent)] += m_tree[idx(i)];
            }
        }
        m_top = 1;
        while (m_top * 2 <= n) {
            m_top *= 2;
        }
    }
    void switchOff(int position) {
        for (int i = position + 1; i < static_cast<int>(m_tree.size()); i += i & -i) {
            m_tree[idx(i)] -= 1;
        }
    }
    // r from 1 to the number still on.
    int find(int r) const {
        int at = 0;
        for (int step = m_top; step > 0; step /= 2) {
            const int next = at + step;
            if (next < static_cast<int>(m_tree.size()) && m_tree[idx(next)] < r) {
                at = next;
                r -= m_tree[idx(next)];
            }
        }
        return at;  // 0-based position
    }

private:
    static std::size_t idx(int i) { return static_cast<std::size_t>(i); }
    std::vector<int> m_tree;
    int m_top = 1;
};
}  // namespace

QuestionPool::QuestionPool(const std::vector<QuestionSlot>& list) {
    reserve(list.size());
    for (std::size_t from = 0; from < list.size(); from += kSlotCount) {
        auto file = std::make_shared<TQuestionFile>();
        for (std::size_t i = from; i < std::min(list.size(), from + kSlotCount); ++i) {
            storeSlot(file->entries[i - from + 1], list[i]);
        }
        addFile(std::move(file));
    }
    close();
}

void QuestionPool::reserve(std::size_t n) {
    places.reserve(n);
    textIds.reserve(n);
    m_ids.reserve(n);
}

void QuestionPool::addFile(std::shared_ptr<const TQuestionFile> file) {
    const int index = static_cast<int>(files.size());
    for (int s = 1; s <= kSlotCount; ++s) {
        const TQuestionField& text =
            file->entries[static_cast<std::size_t>(s)].fields[FieldQuestion];
        if (text[0] == 0) {
            continue;  // an empty slot is no question
        }
        const std::string_view key(reinterpret_cast<const char*>(text.data() + 1),
                                   std::min<std::size_t>(text[0], kFieldCapacity));
        const auto [it, added] = m_ids.try_emplace(key, textCount);
        if (added) {
            ++textCount;
        }
        places.push_back({index, s});
        textIds.push_back(it->second);
    }
    files.push_back(std::move(file));
}

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
    m_poolText = PoolFileText{};
    m_next = 0;
    m_position = 0;
    m_running = true;
    // The counts of the ticks; the files decide in the end, so this is only the likely size.
    std::size_t expected = 0;
    for (const CategoryRow& row : m_chosen) {
        expected += static_cast<std::size_t>(std::max(row.total(), 0));
    }
    m_result.pool.reserve(expected);
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
    auto read = ReadQuestionFile(row.path);
    if (!read.ok()) {
        m_result.unreadablePath = row.path;
        m_result.pool = QuestionPool{};
        finish();
        return;
    }
    m_position += 100 / a;
    if (m_progress != nullptr) {
        m_progress->report(loadingLine(m_catalogue, i, a), m_position);
    }
    // The file as read now decides, not the count of the last tick: it may have changed
    // since. Empty slots are no questions.
    auto file = std::make_shared<const TQuestionFile>(std::move(read).value());
    for (int s = 1; s <= kSlotCount; ++s) {
        const TQuestionEntry& entry = file->entries[static_cast<std::size_t>(s)];
        if (entry.fields[FieldQuestion][0] != 0) {
            m_poolText.add(entry);
        }
    }
    m_result.pool.addFile(std::move(file));
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
    m_running = false;
    m_result.pool.close();
    // The callback may start the next build: hand over what this one made first.
    auto done = std::move(m_done);
    PoolBuildResult result = std::move(m_result);
    m_result = PoolBuildResult{};
    QByteArray poolText = m_poolText.finish();
    const bool ok = result.ok();
    if (done) {
        done(std::move(result));
    }
    if (!ok || m_running) {
        return;
    }
    // Nothing reads the copy back: it is written after the draw, beside the game's start, and
    // a failed write is told without stopping the game.
    m_poolFileJob.start(m_poolFile, std::move(poolText), [this](const Status& written) {
        if (!written.ok() && m_poolFileFailed) {
            m_poolFileFailed(written.error());
        }
    });
}

int distinctPlayableCount(const QuestionPool& pool, int playerCount) {
    std::vector<bool> seen(static_cast<std::size_t>(pool.textCount), false);
    int count = 0;
    for (std::size_t i = 0; i < pool.size(); ++i) {
        const auto id = static_cast<std::size_t>(pool.textIds[i]);
        if (!seen[id] && playable(pool.entry(i), playerCount)) {
            seen[id] = true;
            ++count;
        }
    }
    return count;
}

std::optional<GameQuestions> drawGameQuestions(const QuestionPool& pool, int n, int playerCount,
                                               RandomSource& random) {
    if (n < 1 || n > kSlotCount || distinctPlayableCount(pool, playerCount) < n) {
        return std::nullopt;
    }
    // Drawing among the entries still allowed equals drawing from the whole pool and
    // rejecting repeats, but always ends. The candidates keep pool order; a drawn text
    // switches off every candidate of the same text, found through a chain per text.
    std::vector<int> candidates;
    candidates.reserve(pool.size());
    for (int i = 0; i < static_cast<int>(pool.size()); ++i) {
        if (playable(pool.entry(static_cast<std::size_t>(i)), playerCount)) {
            candidates.push_back(i);
        }
    }
    const int count = static_cast<int>(candidates.size());
    const auto textCount = static_cast<std::size_t>(pool.textCount);
    std::vector<int> firstOfText(textCount, -1);
    std::vector<int> lastOfText(textCount, -1);
    std::vector<int> nextOfText(static_cast<std::size_t>(count), -1);
    for (int p = 0; p < count; ++p) {
        const auto id = static_cast<std::size_t>(
            pool.textIds[static_cast<std::size_t>(candidates[static_cast<std::size_t>(p)])]);
        if (firstOfText[id] < 0) {
            firstOfText[id] = p;
        } else {
            nextOfText[static_cast<std::size_t>(lastOfText[id])] = p;
        }
        lastOfText[id] = p;
    }
    PositionCounts left(count);
    int remaining = count;
    GameQuestions drawnList;
    drawnList.reserve(static_cast<std::size_t>(n));
    for (int j = 1; j <= n; ++j) {
        const int r = random.uniform(1, remaining);
        const int position = left.find(r);
        const auto index = static_cast<std::size_t>(candidates[static_cast<std::size_t>(position)]);
        drawnList.push_back(pool.question(index));
        for (int p = firstOfText[static_cast<std::size_t>(pool.textIds[index])]; p >= 0;
             p = nextOfText[static_cast<std::size_t>(p)]) {
            left.switchOff(p);
            --remaining;
        }
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

}  // namespace trivanto
