#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <iterator>

#include "core/setup/new_game_setup.h"
#include "core/setup/question_pool.h"
#include "core/update/ini_document.h"
#include "support/finish_game_start.h"
#include "support/game_fixture.h"

namespace trivanto {
namespace {

using gametest::estimationSlot;
using gametest::GameFixture;
using gametest::mcSlot;

// Records what the waiting window would show.
class RecordingProgress final : public SetupProgress {
public:
    void begin() override { events << QStringLiteral("begin"); }
    void report(const QString& text, int position) override {
        events << QStringLiteral("%1|%2").arg(text).arg(position);
    }
    void end(bool started) override { events << QStringLiteral("end %1").arg(started); }
    QStringList events;
};

class Pool : public GameFixture {
protected:
    Pool() {
        prog = dir.path() + QStringLiteral("/prog/");
        QDir().mkpath(prog);
        fakes.paths.progDir = prog;
        setup = std::make_unique<NewGameSetup>(fakes.services(), *engine);
        setup->load();
    }

    enum class Outcome { Refused, Failed, Started };
    // "OK" with `length`, and the game start run on the clock to its end.
    Outcome start(const QString& length) {
        std::optional<bool> started;
        const auto connection = QObject::connect(setup.get(), &NewGameSetup::finished,
                                                 [&](bool result) { started = result; });
        const bool begun = setup->startGame(length, &progress);
        if (begun) {
            EXPECT_TRUE(setup->building());
            EXPECT_FALSE(started.has_value());  // nothing is read inside the click
            finishGameStart(*setup, clock);
        }
        QObject::disconnect(connection);
        if (!begun) {
            return Outcome::Refused;
        }
        EXPECT_TRUE(started.has_value());
        return started.value_or(false) ? Outcome::Started : Outcome::Failed;
    }
    // A category of `count` questions named "<title> n", the first `estimations` of them
    // estimation questions.
    void writeCategory(const QString& title, int count, int estimations = 0,
                       const QString& stem = {}) {
        TQuestionFile file;
        writeCategoryHeader(file, title, clock.now());
        for (int i = 1; i <= count; ++i) {
            const QString q = QStringLiteral("%1 %2").arg(title).arg(i);
            storeSlot(file.entries[static_cast<std::size_t>(i)],
                      i <= estimations ? estimationSlot(q, QString::number(i))
                                       : mcSlot(q, QString::number((i % 4) + 1)));
        }
        ASSERT_TRUE(WriteQuestionFile(prog + (stem.isEmpty() ? title : stem) + ".trv", file));
    }
    std::vector<QuestionSlot> pool(std::initializer_list<std::pair<int, int>> cats) {
        std::vector<QuestionSlot> out;
        int c = 0;
        for (const auto& [count, est] : cats) {
            for (int i = 1; i <= count; ++i) {
                const QString q = QStringLiteral("C%1 %2").arg(++c).arg(i);
                out.push_back(i <= est ? estimationSlot(q, QStringLiteral("1")) : mcSlot(q));
            }
        }
        return out;
    }

    QString prog;
    std::unique_ptr<NewGameSetup> setup;
    RecordingProgress progress;
};

TEST_F(Pool, CountsSkipEstimationQuestionsForOnePlayer) {
    writeCategory(QStringLiteral("Beta"), 30, 5);
    writeCategory(QStringLiteral("Alpha"), 12);
    setup->activate();
    auto& cats = setup->categories();
    ASSERT_EQ(cats.rows().size(), 2u);
    EXPECT_EQ(cats.rows()[0].title, QStringLiteral("Alpha"));  // sorted by file name
    EXPECT_EQ(cats.rows()[1].UsableCount, 25);
    EXPECT_EQ(cats.rows()[1].SkippedEstimationCount, 5);
    EXPECT_EQ(cats.questionCount(), 0);
    cats.setTicked(1, true, 1);
    EXPECT_EQ(cats.tickedCount(), 1);
    EXPECT_EQ(cats.questionCount(), 25);
    setup->setPlayerCount(2);
    EXPECT_EQ(cats.questionCount(), 30);
    EXPECT_EQ(setup->gameLengthEntries(), (QStringList{"20", "40", "60", "80", "100"}));
    cats.tickAll(2);
    EXPECT_EQ(cats.tickedCount(), 2);
    EXPECT_EQ(cats.questionCount(), 42);
    // Counts follow the files on disk.
    writeCategory(QStringLiteral("Alpha"), 13);
    cats.recount(2);
    EXPECT_EQ(cats.questionCount(), 43);
    cats.untickAll(2);
    EXPECT_EQ(cats.questionCount(), 0);
}

TEST_F(Pool, NoFilesAndUnreadableFiles) {
    setup->activate();
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgNoQuestionFiles));
    EXPECT_EQ(dialog.last().width, 299);
    EXPECT_FALSE(dialog.last().wordWrap);

    writeCategory(QStringLiteral("Good"), 3);
    QFile bad(prog + QStringLiteral("Broken.trv"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("short");
    bad.close();
    dialog.clear();
    setup->activate();
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgCategoryUnreadable) + QStringLiteral("Broken.trv"));
    ASSERT_EQ(setup->categories().rows().size(), 1u);
    EXPECT_EQ(setup->categories().rows()[0].title, QStringLiteral("Good"));
}

TEST_F(Pool, ChecksComeInOrderAndRefuseWithoutStarting) {
    writeCategory(QStringLiteral("A"), 39);
    writeCategory(QStringLiteral("B"), 1);
    setup->activate();
    setup->setPlayerCount(2);
    setup->categories().setTicked(0, true, 2);
    setup->players().setName(2, setup->players().player(1).name);  // also a bad name
    const struct {
        const char* length;
        Msg message;
        int width;
        bool wrap;
    } refusals[] = {
        {"forty", Msg::MsgGameLengthInvalid, 300, true},
        {"1", Msg::MsgGameLengthInvalid, 300, true},  // 1 div 2 = 0 questions
        {"202", Msg::MsgGameLengthInvalid, 300, true},
        {"40", Msg::MsgTooFewQuestionsHead, 279, true},
    };
    for (const auto& r : refusals) {
        dialog.clear();
        EXPECT_EQ(start(QString::fromLatin1(r.length)), Outcome::Refused);
        ASSERT_EQ(dialog.requests().size(), 1u) << r.length;
        EXPECT_EQ(dialog.last().width, r.width);
        EXPECT_EQ(dialog.last().wordWrap, r.wrap);
        if (r.message == Msg::MsgTooFewQuestionsHead) {
            EXPECT_EQ(dialog.last().text, msg(Msg::MsgTooFewQuestionsHead) + QStringLiteral("40") +
                                              msg(Msg::MsgTooFewQuestionsTail));
        } else {
            EXPECT_EQ(dialog.last().text, msg(r.message));
        }
    }
    // 40 questions pass the count; then the names stop it.
    setup->categories().setTicked(1, true, 2);
    dialog.clear();
    EXPECT_EQ(start(QStringLiteral("40")), Outcome::Refused);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgPlayerNamesUnique));
    EXPECT_TRUE(progress.events.isEmpty());
    EXPECT_FALSE(settings.contains(QStringLiteral("Players/Counter")) &&
                 settings.intValue(QStringLiteral("Players/Counter")) == 2);
}

// The last step hands "game.log" to a worker: the disk's flush never holds the window still,
// and the game begins only once the list is written, from the event loop.
TEST_F(Pool, TheGameBeginsFromTheLoopOnceItsQuestionListIsWritten) {
    writeCategory(QStringLiteral("A"), 4);
    setup->activate();
    setup->setPlayerCount(1);
    setup->categories().tickAll(1);
    random.push({1, 1, 1, 1, 1, 1});
    std::optional<bool> started;
    QObject::connect(setup.get(), &NewGameSetup::finished, [&](bool result) { started = result; });
    ASSERT_TRUE(setup->startGame(QStringLiteral("4"), &progress));
    while (clock.advanceToNextTimer()) {
    }
    EXPECT_TRUE(setup->building());
    EXPECT_FALSE(started.has_value());
    EXPECT_FALSE(setup->startGame(QStringLiteral("4"), &progress));  // no second start meanwhile
    while (!started) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    EXPECT_TRUE(*started);
    EXPECT_FALSE(setup->building());
    EXPECT_EQ(engine->questions().size(), 4u);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("game.log"))).isFile());
}

TEST_F(Pool, StartWritesPoolFileAndGameList) {
    writeCategory(QStringLiteral("A"), 3);
    writeCategory(QStringLiteral("B"), 2, 1);
    setup->activate();
    setup->setPlayerCount(1);
    setup->categories().tickAll(1);
    // Four playable texts for 4 questions: draws among the remaining entries, then 2 jokers.
    random.push({4, 1, 1, 1, 2, 2, 3});
    const qint64 begun = clock.tickMs();
    ASSERT_EQ(start(QStringLiteral("4")), Outcome::Started);
    EXPECT_EQ(
        progress.events,
        (QStringList{
            "begin",
            msg(Msg::MsgLoadingCategory) + "1 / 2" + msg(Msg::MsgLoadingCategoryTail) + "|0",
            msg(Msg::MsgLoadingCategory) + "1 / 2" + msg(Msg::MsgLoadingCategoryTail) + "|50",
            msg(Msg::MsgLoadingCategory) + "2 / 2" + msg(Msg::MsgLoadingCategoryTail) + "|50",
            msg(Msg::MsgLoadingCategory) + "2 / 2" + msg(Msg::MsgLoadingCategoryTail) + "|100",
            "|100", "end 1"}));
    EXPECT_EQ(clock.tickMs() - begun, 20);  // 10 ms before each category

    setup->waitForPoolFile();
    TIniDocument ini(dir.path() + QStringLiteral("/fragen.tmp"));
    EXPECT_EQ(ini.ReadValue(QStringLiteral("BT"), QStringLiteral("HEADER"), {}),
              QStringLiteral("5"));
    EXPECT_EQ(ini.ReadValue(QStringLiteral("1"), QStringLiteral("0"), {}), QStringLiteral("A 1"));
    EXPECT_EQ(ini.ReadValue(QStringLiteral("4"), QStringLiteral("2"), {}), QStringLiteral("ife"));
    EXPECT_EQ(ini.ReadValue(QStringLiteral("5"), QStringLiteral("0"), {}), QStringLiteral("B 2"));
    EXPECT_EQ(ini.ReadValue(QStringLiteral("3"), QStringLiteral("5"), {}), QStringLiteral("4"));

    // Playable entries A1 A2 A3 B2: picks 4th (B 2), then 1st of the rest each time.
    const GameQuestions& list = engine->questions();
    ASSERT_EQ(list.size(), 4u);
    const QStringList expected{"B 2", "Joker!", "Joker!", "A 3"};
    for (int j = 1; j <= 4; ++j) {
        EXPECT_EQ(list[static_cast<std::size_t>(j - 1)].question, expected[j - 1]);
    }
    // The joker in slot 2 keeps the Correct of "A 1" (slot i of a category: (i % 4) + 1).
    EXPECT_EQ(list[1].correct, QStringLiteral("2"));
    EXPECT_EQ(QuestionKindOf(list[1]), QuestionKind::Joker);
    // "game.log" holds the same game, for saved games.
    const auto gameLog = ReadQuestionFile(dir.filePath(QStringLiteral("game.log")));
    ASSERT_TRUE(gameLog.ok()) << gameLog.error().toStdString();
    EXPECT_EQ(CountQuestions(*gameLog), 4);
    for (int j = 1; j <= 4; ++j) {
        const QuestionSlot stored = loadSlot(gameLog->entries[static_cast<std::size_t>(j)]);
        EXPECT_EQ(stored.question, list[static_cast<std::size_t>(j - 1)].question);
        EXPECT_EQ(stored.correct, list[static_cast<std::size_t>(j - 1)].correct);
    }
    EXPECT_EQ(random.requests(), (std::vector<std::pair<int, int>>{
                                     {1, 4}, {1, 3}, {1, 2}, {1, 1}, {1, 4}, {1, 4}, {1, 4}}));
    EXPECT_TRUE(engine->view().gameInProgress);
    EXPECT_EQ(engine->view().headLine, QStringLiteral("Question 1 of 4"));
    EXPECT_EQ(settings.intValue(QStringLiteral("Players/Counter")), 1);
}

TEST_F(Pool, DrawNeverRepeatsAndKeepsJokersInRange) {
    // Categories 1 and 2 share their texts; with repeats only 30 different texts remain.
    std::vector<QuestionSlot> p = pool({{20, 5}, {10, 0}});
    for (int i = 0; i < 10; ++i) {
        p.push_back(p[static_cast<std::size_t>(20 + i)]);
    }
    struct DrawCase {
        int players;
        int n;
        bool ok;
    } cases[] = {{2, 30, true}, {2, 31, false}, {1, 25, true}, {1, 26, false}, {4, 1, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(distinctPlayableCount(p, c.players) >= c.n, c.ok);
        // Always the last candidate: a repeat would be drawn from the end of the pool.
        struct Last final : RandomSource {
            int uniform(int, int high) override { return high; }
        } highest;
        const auto drawn = drawGameQuestions(p, c.n, c.players, highest);
        ASSERT_EQ(drawn.has_value(), c.ok) << c.players << "/" << c.n;
        if (!drawn) {
            continue;
        }
        QSet<QString> texts;
        int jokers = 0;
        ASSERT_EQ(drawn->size(), static_cast<std::size_t>(c.n));  // nothing beyond slot n
        for (const QuestionSlot& s : *drawn) {
            if (QuestionKindOf(s) == QuestionKind::Joker) {
                ++jokers;
                continue;
            }
            EXPECT_FALSE(texts.contains(s.question)) << s.question.toStdString();
            texts.insert(s.question);
            if (c.players == 1) {
                EXPECT_NE(QuestionKindOf(s), QuestionKind::Estimation);
            }
        }
        EXPECT_GE(jokers, 1);
        EXPECT_LE(jokers, c.players + 3);
    }
}

// The pool judges the stored bytes: a text that shows nothing is no question, one that shows
// a character is, and two texts are the same question only when every character is.
TEST(PoolTexts, BlankTextsAreNoQuestionsAndEqualTextsShareTheirNumber) {
    struct TextCase {
        QString text;
        bool question;
    } cases[] = {
        {QStringLiteral(" "), false},
        {QStringLiteral("\t \r\n"), false},
        {QStringLiteral("\u00A0\u00A0"), false},  // no-break spaces
        {QStringLiteral("\u2026"), true},         // "…", byte 0x85 of the code page
        {QStringLiteral("\u00A0Year?\u00A0"), true},
        {QStringLiteral("Year?"), true},
        {QStringLiteral("year?"), true},  // case counts
        {QStringLiteral("Year?"), true},  // the same text again
    };
    std::vector<QuestionSlot> list;
    for (const auto& c : cases) {
        list.push_back(mcSlot(c.text));
    }
    const QuestionPool pool(list);
    ASSERT_EQ(pool.size(), std::size(cases));
    // Every text but the repeated "Year?" has its own number.
    EXPECT_EQ(pool.textCount, static_cast<int>(std::size(cases)) - 1);
    EXPECT_EQ(pool.textIds[5], pool.textIds[7]);
    EXPECT_NE(pool.textIds[5], pool.textIds[6]);
    const int questions = static_cast<int>(std::count_if(
        std::begin(cases), std::end(cases), [](const TextCase& c) { return c.question; }));
    EXPECT_EQ(distinctPlayableCount(pool, 2), questions - 1);
    for (std::size_t i = 0; i < pool.size(); ++i) {
        EXPECT_EQ(pool.question(i).question, cases[i].text);
    }
}

TEST_F(Pool, UnwritablePoolCopyIsToldWhileTheGameGoesOn) {
    writeCategory(QStringLiteral("A"), 30);
    setup->activate();
    setup->setPlayerCount(1);
    setup->categories().tickAll(1);
    // A folder in the copy's place: the copy cannot be written, the game needs it not.
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("fragen.tmp"))));
    // Ten draws of the first text left, one joker on slot 1.
    random.push({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    ASSERT_EQ(start(QStringLiteral("10")), Outcome::Started);
    EXPECT_TRUE(engine->view().gameInProgress);
    const int before = static_cast<int>(dialog.requests().size());
    setup->waitForPoolFile();
    ASSERT_EQ(static_cast<int>(dialog.requests().size()), before + 1);
    EXPECT_TRUE(dialog.last().text.startsWith(msg(Msg::MsgPoolFileUnwritable)));
    EXPECT_TRUE(dialog.last().text.contains(QStringLiteral("fragen.tmp")));
    EXPECT_TRUE(engine->view().gameInProgress);
}

TEST_F(Pool, TooFewDistinctTextsEndsWithAMessageAndShowsTheSetupAgain) {
    writeCategory(QStringLiteral("A"), 20);
    writeCategory(QStringLiteral("Copy"), 20, 0, QStringLiteral("B"));
    // "B.trv" holds the texts "Copy n": make them equal to A's by writing A twice.
    writeCategory(QStringLiteral("A"), 20, 0, QStringLiteral("B"));
    setup->activate();
    setup->setPlayerCount(2);
    setup->players().setName(2, QStringLiteral("Bob"));
    setup->categories().tickAll(2);
    ASSERT_EQ(setup->categories().questionCount(), 40);
    EXPECT_EQ(start(QStringLiteral("40")), Outcome::Failed);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgPoolTooFewDistinct));
    EXPECT_EQ(progress.events.last(), QStringLiteral("end 0"));
    EXPECT_FALSE(engine->view().gameInProgress);
}

TEST_F(Pool, CategoryBrokenDuringTheBuildIsNamedAndLeftOut) {
    writeCategory(QStringLiteral("A"), 30);
    writeCategory(QStringLiteral("B"), 30);
    setup->activate();
    setup->setPlayerCount(2);
    setup->players().setName(2, QStringLiteral("Bob"));
    setup->categories().tickAll(2);
    QFile::resize(prog + QStringLiteral("B.trv"), 100);
    EXPECT_EQ(start(QStringLiteral("40")), Outcome::Failed);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgCategoryUnreadable) + QStringLiteral("B.trv"));
    EXPECT_EQ(progress.events.last(), QStringLiteral("end 0"));
    ASSERT_EQ(setup->categories().rows().size(), 1u);
    EXPECT_EQ(setup->categories().questionCount(), 30);
}

// A category that changes between the tick and "OK": the file as read decides, and a slot
// without a question never reaches the game.
TEST_F(Pool, ACategoryChangedAfterTickingPutsNoEmptyQuestionIntoTheGame) {
    const struct {
        const char* name;
        int shrunkTo;  // questions left in "A" after the tick
        bool withB;    // "B" (10 questions) ticked too
        const char* length;
        Outcome outcome;
    } cases[] = {
        {"emptied, alone", 0, false, "1", Outcome::Failed},
        {"emptied, the other category suffices", 0, true, "10", Outcome::Started},
        {"shrunk, the rest suffices", 5, true, "15", Outcome::Started},
        {"shrunk below the length", 5, true, "16", Outcome::Failed},
    };
    for (const auto& c : cases) {
        writeCategory(QStringLiteral("A"), 20);
        writeCategory(QStringLiteral("B"), 10);
        setup->activate();
        setup->categories().setTicked(0, true, 1);
        setup->categories().setTicked(1, c.withB, 1);
        ASSERT_EQ(setup->categories().questionCount(), c.withB ? 30 : 20) << c.name;
        writeCategory(QStringLiteral("A"), c.shrunkTo);
        dialog.clear();
        // The draws, the number of jokers and the joker's slot, should the game start.
        for (int i = 0; i < 18; ++i) {
            random.push(1);
        }
        EXPECT_EQ(start(QString::fromLatin1(c.length)), c.outcome) << c.name;
        if (c.outcome == Outcome::Failed) {
            EXPECT_EQ(dialog.last().text, msg(Msg::MsgPoolTooFewDistinct)) << c.name;
            continue;
        }
        const GameQuestions& drawn = engine->questions();
        EXPECT_EQ(drawn.size(), std::size_t(QString::fromLatin1(c.length).toInt())) << c.name;
        for (const QuestionSlot& slot : drawn) {
            EXPECT_FALSE(slot.question.isEmpty()) << c.name;
        }
    }
}

TEST_F(Pool, AnEmptySlotInsideAFileIsSkippedAndTheQuestionsAfterItCount) {
    TQuestionFile file;
    writeCategoryHeader(file, QStringLiteral("Gaps"), clock.now());
    for (const int s : {1, 2, 4, 200}) {
        storeSlot(file.entries[std::size_t(s)], mcSlot(QStringLiteral("Gap %1").arg(s)));
    }
    ASSERT_TRUE(WriteQuestionFile(prog + QStringLiteral("Gaps.trv"), file));
    setup->activate();
    setup->categories().tickAll(1);
    ASSERT_EQ(setup->categories().questionCount(), 4);
    random.push({1, 1, 1, 1, 1, 1});  // four draws, one joker, on slot 1
    EXPECT_EQ(start(QStringLiteral("4")), Outcome::Started);
    QSet<QString> texts;
    for (const QuestionSlot& slot : engine->questions()) {
        texts.insert(slot.question);
    }
    // Jokers may stand in some slots; every other slot holds one of the four.
    texts.remove(QLatin1String(kJokerQuestion));
    const QSet<QString> written{QStringLiteral("Gap 1"), QStringLiteral("Gap 2"),
                                QStringLiteral("Gap 4"), QStringLiteral("Gap 200")};
    EXPECT_TRUE(texts.subtract(written).isEmpty());
    EXPECT_EQ(engine->questions().size(), 4u);
}

TEST_F(Pool, CategoryFilesBeyondTheListAreCounted) {
    writeCategory(QStringLiteral("Base"), 3);
    // 104 names for one file: the list holds the first 101 by name.
    for (int i = 1; i <= 103; ++i) {
        ASSERT_TRUE(QFile::link(prog + QStringLiteral("Base.trv"),
                                prog + QStringLiteral("L%1.trv").arg(i, 3, 10, QLatin1Char('0'))));
    }
    setup->activate();
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgCategoriesNotListed) + QStringLiteral("3"));
    EXPECT_TRUE(dialog.last().wordWrap);
    ASSERT_EQ(setup->categories().rows().size(), 101u);
    EXPECT_TRUE(setup->categories().rows().back().path.endsWith(QStringLiteral("L100.trv")));
}

}  // namespace
}  // namespace trivanto
