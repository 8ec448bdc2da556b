#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/common/result.h"
#include "core/game/game_types.h"
#include "core/questions/question_file.h"
#include "core/setup/category_selection.h"

namespace trivanto {

class Clock;
class MessageCatalogue;
class RandomSource;
class Timer;

// The waiting window while the pool is built.
class SetupProgress {
public:
    virtual ~SetupProgress() = default;
    // Hide the setup window, show the waiting window with its bar at 0.
    virtual void begin() = 0;
    virtual void report(const QString& text, int position) = 0;
    // Close the waiting window; `started`: close the setup too, else show it again.
    virtual void end(bool started) = 0;
};

struct PoolBuildResult {
    std::vector<QuestionSlot> pool;  // plain texts, in category and slot order
    QString unreadablePath;          // set when a chosen file could not be read
    QString poolFileError;           // set when the plain-text copy could not be written
    bool ok() const { return unreadablePath.isEmpty(); }
};

// Reads every question of the chosen categories (slots 1 to their total), one category per
// step with a 10 ms pause before each, so the waiting window shows every category; then
// writes the plain-text copy `poolFile` (sections "1".."C", keys "0".."5", "BT"/"HEADER" = C),
// replacing an older one. The steps run on the clock's timers: start() returns at once and
// `done` runs from the last step.
class QuestionPoolBuilder final {
public:
    QuestionPoolBuilder(Clock& clock, const MessageCatalogue& catalogue);
    ~QuestionPoolBuilder();

    void start(std::vector<CategoryRow> chosen, QString poolFile, SetupProgress* progress,
               std::function<void(PoolBuildResult)> done);
    bool running() const { return m_running; }

private:
    void step();
    void finish();

    const MessageCatalogue& m_catalogue;
    std::unique_ptr<Timer> m_timer;
    std::vector<CategoryRow> m_chosen;
    QString m_poolFile;
    SetupProgress* m_progress = nullptr;
    std::function<void(PoolBuildResult)> m_done;
    PoolBuildResult m_result;
    std::size_t m_next = 0;
    int m_position = 0;
    bool m_running = false;
};

// Writes the plain-text copy of the pool.
Status writePoolFile(const std::vector<QuestionSlot>& pool, const QString& poolFile);

// How many different question texts the pool can offer a game of `playerCount`.
int distinctPlayableCount(const std::vector<QuestionSlot>& pool, int playerCount);

// Draws `n` questions without repeated texts (a lone player never gets an estimation
// question) into slots 1..n, then one to playerCount + 3 jokers at random slots. Empty when
// the pool cannot supply n different texts.
std::optional<GameQuestions> drawGameQuestions(const std::vector<QuestionSlot>& pool, int n,
                                               int playerCount, RandomSource& random);

// The game question list "game.log" of drawn questions: slot k + 1 holds questions[k].
TQuestionFile gameQuestionList(const GameQuestions& questions);

}  // namespace trivanto
