#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/questions/question_file.h"
#include "core/setup/category_selection.h"

namespace trivanto {

class Clock;
class MessageCatalogue;
class RandomSource;

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
    bool ok() const { return unreadablePath.isEmpty(); }
};

// Reads every question of the chosen categories (slots 1 to their total), reports progress
// per category with a 10 ms pause, and writes the plain-text copy to `poolFile` (sections
// "1".."C", keys "0".."5", "BT"/"HEADER" = C), replacing an older one.
PoolBuildResult buildQuestionPool(const std::vector<CategoryRow>& chosen, const QString& poolFile,
                                  Clock& clock, const MessageCatalogue& catalogue,
                                  SetupProgress* progress);

// How many different question texts the pool can offer a game of `playerCount`.
int distinctPlayableCount(const std::vector<QuestionSlot>& pool, int playerCount);

// Draws `n` questions without repeated texts (a lone player never gets an estimation
// question) into slots 1..n, then one to playerCount + 3 jokers at random slots. Empty when
// the pool cannot supply n different texts.
std::optional<TQuestionFile> drawGameQuestions(const std::vector<QuestionSlot>& pool, int n,
                                               int playerCount, RandomSource& random);

}  // namespace trivanto
