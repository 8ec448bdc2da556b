#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/common/file_write_job.h"
#include "core/common/result.h"
#include "core/game/game_types.h"
#include "core/questions/question_file.h"
#include "core/setup/category_selection.h"
#include "core/setup/pool_file.h"

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

// The questions of the chosen categories in reading order, kept as the files store them (a
// question is decoded only when it is drawn), each with the number of its text: equal texts
// share one number, so the draw compares numbers, never strings.
struct QuestionPool {
    QuestionPool() = default;
    // Numbers the texts of `list` (each stored as a category file would keep it).
    QuestionPool(const std::vector<QuestionSlot>& list);  // NOLINT: a list is a pool

    struct Place {
        int file;
        int slot;
    };
    std::vector<std::shared_ptr<const TQuestionFile>> files;  // as read, never changed
    std::vector<Place> places;                                // per question
    std::vector<int> textIds;                                 // per question, 0 .. textCount - 1
    int textCount = 0;

    std::size_t size() const { return places.size(); }
    const TQuestionEntry& entry(std::size_t i) const {
        return files[static_cast<std::size_t>(places[i].file)]
            ->entries[static_cast<std::size_t>(places[i].slot)];
    }
    // The question in plain text.
    QuestionSlot question(std::size_t i) const { return loadSlot(entry(i)); }
    // Room for about `n` questions, so that adding them never grows the lookup.
    void reserve(std::size_t n);
    // Every slot of the file that holds a question text joins, in slot order.
    void addFile(std::shared_ptr<const TQuestionFile> file);
    // Drops the lookup that addFile() needs.
    void close() { m_ids = {}; }

private:
    // Keyed by the stored bytes of the question text, which equal exactly when the texts do
    // (the code page and the scrambling map bytes one to one); the views point into `files`.
    std::unordered_map<std::string_view, int> m_ids;
};

struct PoolBuildResult {
    QuestionPool pool;
    QString unreadablePath;  // set when a chosen file could not be read
    bool ok() const { return unreadablePath.isEmpty(); }
};

// Reads every question of the chosen categories (each slot that holds one, as the file is at
// that moment), one category per step with a 10 ms pause before each, so the waiting window
// shows every category. The steps run on the clock's timers: start() returns at once and `done`
// runs from the last step. Then the plain-text copy `poolFile` (PoolFileText) replaces an older
// one, written on a worker thread once `done` has returned; a failed write is told to
// `poolFileFailed`.
class QuestionPoolBuilder final {
public:
    QuestionPoolBuilder(Clock& clock, const MessageCatalogue& catalogue);
    ~QuestionPoolBuilder();

    void start(std::vector<CategoryRow> chosen, QString poolFile, SetupProgress* progress,
               std::function<void(PoolBuildResult)> done);
    bool running() const { return m_running; }
    // Told the reason when the plain-text copy could not be written.
    void setPoolFileFailed(std::function<void(QString)> failed) {
        m_poolFileFailed = std::move(failed);
    }
    // Finishes the writing of the plain-text copy now (tests, shutdown).
    void waitForPoolFile() { m_poolFileJob.wait(); }
    bool writingPoolFile() const { return m_poolFileJob.running(); }

private:
    void step();
    void finish();

    const MessageCatalogue& m_catalogue;
    std::unique_ptr<Timer> m_timer;
    std::vector<CategoryRow> m_chosen;
    QString m_poolFile;
    SetupProgress* m_progress = nullptr;
    std::function<void(PoolBuildResult)> m_done;
    std::function<void(QString)> m_poolFileFailed;
    PoolBuildResult m_result;
    PoolFileText m_poolText;
    FileWriteJob m_poolFileJob;
    std::size_t m_next = 0;
    int m_position = 0;
    bool m_running = false;
};

// How many different question texts the pool can offer a game of `playerCount`.
int distinctPlayableCount(const QuestionPool& pool, int playerCount);

// Draws `n` questions without repeated texts (never one without a text, and a lone player
// never gets an estimation question) into slots 1..n, then one to playerCount + 3 jokers at
// random slots. Empty when the pool cannot supply n different texts.
std::optional<GameQuestions> drawGameQuestions(const QuestionPool& pool, int n, int playerCount,
                                               RandomSource& random);

}  // namespace trivanto
