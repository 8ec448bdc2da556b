// Rules that a second reading of the game and its setup found broken or untested.
#include <gtest/gtest.h>

#include <QDir>
#include <functional>

#include "core/scores/local_top_ten.h"
#include "core/setup/new_game_setup.h"
#include "core/setup/question_pool.h"
#include "support/game_fixture.h"

namespace trivanto {
namespace {

using gametest::GameFixture;
using gametest::mcSlot;

class SavedFlag : public GameFixture {};

// A save marks the game saved until the next bet check or the next turn; nothing else
// clears it, not even the start of a new game (so leaving right after it asks nothing).
TEST_F(SavedFlag, LastsUntilTheNextBetOrTurn) {
    const struct {
        const char* what;
        std::function<void()> action;
        bool stillSaved;
    } cases[] = {
        {"nothing", [] {}, true},
        {"a rejected bet", [this] { engine->EinsatzPruefen(QStringLiteral("x")); }, false},
        {"an accepted bet", [this] { engine->EinsatzPruefen(QStringLiteral("10")); }, false},
        {"MAX", [this] { engine->fillMaximumBet(); }, true},
        {"the empty board", [this] { engine->Ursprung(); }, true},
        {"a new game", [this] { startGame(3, 10); }, true},
        {"a new game and its first bet",
         [this] {
             startGame(3, 10);
             engine->EinsatzPruefen(QStringLiteral("10"));
         },
         false},
    };
    for (const auto& c : cases) {
        startGame(2, 10);
        engine->setGameSaved(true);
        c.action();
        EXPECT_EQ(engine->state().GameSaved, c.stillSaved) << c.what;
        EXPECT_EQ(engine->view().gameSaved, c.stillSaved) << c.what;
    }
}

TEST_F(SavedFlag, NextTurnClearsIt) {
    startGame(2, 10);
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("10")));
    engine->chooseAnswer(1);
    engine->setGameSaved(true);  // the flag as a load leaves it
    engine->proceed();
    EXPECT_FALSE(engine->state().GameSaved);
    EXPECT_FALSE(engine->view().gameSaved);
}

// Scores are the account times the table's decimal factor, rounded as money is: an exact
// half of that decimal product goes to the even neighbour.
TEST(ReviewScore, ExactHalvesOfTheDecimalFactorGoToTheEvenNeighbour) {
    const struct {
        int perPlayer;
        qint32 account;
        qint32 score;
    } cases[] = {
        {30, 5000000, 3333334},       // 3,333,333.5
        {30, -5000000, -3333334},     // -3,333,333.5
        {30, 15000000, 10000000},     // 10,000,000.5
        {30, 5000001, 3333334},       // 3,333,334.1666667
        {30, 4999999, 3333333},       // 3,333,332.8333333
        {40, 5000001, 2500000},       // 2,500,000.5
        {50, 1000000001, 400000000},  // 400,000,000.4
        {8, 1, 2},                    // typed length: 2.5
        {8, 3, 8},                    // 7.5
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scaledScore(c.account, c.perPlayer), c.score)
            << c.account << " at " << c.perPlayer;
    }
}

// Records the waiting window: one "text|position" per report.
class ProgressLog final : public SetupProgress {
public:
    void begin() override {}
    void report(const QString& text, int position) override {
        events << QStringLiteral("%1|%2").arg(text).arg(position);
    }
    void end(bool) override {}
    QStringList events;
};

class PoolProgress : public GameFixture {
protected:
    PoolProgress() {
        prog = dir.path() + QStringLiteral("/prog/");
        QDir().mkpath(prog);
    }
    void writeCategory(const QString& name, int count) {
        TQuestionFile file;
        writeCategoryHeader(file, name, clock.now());
        for (int i = 1; i <= count; ++i) {
            storeSlot(file.entries[static_cast<std::size_t>(i)],
                      mcSlot(QStringLiteral("%1 %2").arg(name).arg(i)));
        }
        ASSERT_TRUE(WriteQuestionFile(prog + name + QStringLiteral(".trv"), file));
    }
    QString prog;
};

// The bar steps by 100 div A as soon as each category has been read, while its line is
// still shown; each category is read after a pause of its own, on the clock.
TEST_F(PoolProgress, BarAdvancesAfterEachCategoryIsRead) {
    for (const int a : {1, 2, 3, 7}) {
        QDir(prog).removeRecursively();
        QDir().mkpath(prog);
        for (int i = 1; i <= a; ++i) {
            writeCategory(QStringLiteral("C%1").arg(i), 3);
        }
        std::vector<CategoryRow> chosen;
        for (int i = 1; i <= a; ++i) {
            CategoryRow row;
            row.path = prog + QStringLiteral("C%1.trv").arg(i);
            row.UsableCount = 3;
            row.ticked = true;
            chosen.push_back(row);
        }
        ProgressLog log;
        QuestionPoolBuilder builder(clock, catalogue);
        std::optional<PoolBuildResult> built;
        const qint64 begun = clock.tickMs();
        builder.start(chosen, dir.path() + QStringLiteral("/fragen.tmp"), &log,
                      [&](PoolBuildResult result) { built = std::move(result); });
        EXPECT_FALSE(built.has_value());  // nothing is read inside start()
        EXPECT_TRUE(builder.running());
        clock.runAllTimers();
        ASSERT_TRUE(built.has_value() && built->ok());
        EXPECT_FALSE(builder.running());
        EXPECT_EQ(clock.tickMs() - begun, 10 * a);
        EXPECT_EQ(built->pool.size(), static_cast<std::size_t>(3 * a));
        QStringList expected;
        for (int i = 1; i <= a; ++i) {
            const QString line = msg(Msg::MsgLoadingCategory) +
                                 QStringLiteral("%1 / %2").arg(i).arg(a) +
                                 msg(Msg::MsgLoadingCategoryTail);
            expected << QStringLiteral("%1|%2").arg(line).arg((i - 1) * (100 / a))
                     << QStringLiteral("%1|%2").arg(line).arg(i * (100 / a));
        }
        EXPECT_EQ(log.events.join(QLatin1Char('\n')), expected.join(QLatin1Char('\n')))
            << a << " categories";
    }
}

}  // namespace
}  // namespace trivanto
