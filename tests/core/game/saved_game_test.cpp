#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "core/common/file_path.h"
#include "core/game/game_question_list.h"
#include "core/game/saved_game.h"
#include "support/game_fixture.h"
#include "support/save_files.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

using gametest::GameFixture;
using gametest::jokerSlot;
using gametest::mcSlot;
using savetest::readBytes;
using savetest::RecordBytes;
using savetest::writeBytes;

class SavedGameTest : public GameFixture {
protected:
    SavedGameTest() { saved = std::make_unique<SavedGames>(fakes.services(), *engine); }

    QString path(const QString& name) const { return filePath(dir.path(), name); }
    QString picture(const QString& folder, const QString& name) {
        QDir().mkpath(folder);
        const QString file = filePath(folder, name);
        EXPECT_TRUE(writeBytes(file, "BM picture"));
        return file;
    }

    // "Save Game" with Yes to the fairness question and `file` chosen in the dialog.
    bool saveAs(const QString& file) {
        dialog.pushAnswer(AnswerYes);
        fakes.files.push(file);
        return saved->SpielSpeichern();
    }
    // "Open Game" from a game that needs no offer: Yes, then `file`.
    bool load(const QString& file) {
        dialog.pushAnswer(AnswerYes);
        fakes.files.push(file);
        return saved->SpielLaden();
    }

    // A game of three, ten questions each, whose seat 3 shows an own picture.
    void startThreeWithOwnPicture(const QString& ownPicture) {
        NewGameData data;
        data.PlayerCount = 3;
        data.QuestionsPerPlayer = 10;
        data.names = {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy"),
                      QStringLiteral("Dee")};
        data.pictures = {SeatPicture::builtIn(4), SeatPicture::builtIn(9),
                         SeatPicture::ownFile(ownPicture, 6), SeatPicture::builtIn(1)};
        GameQuestions list;
        for (int i = 1; i <= 30; ++i) {
            list.push_back(i == 9 ? jokerSlot() : mcSlot(QStringLiteral("Q%1").arg(i)));
        }
        ASSERT_TRUE(engine->NeuesSpiel(data, list));
    }

    std::unique_ptr<SavedGames> saved;
};

// The record of a game saved at the bet of question 8 (player 2 of three), laid out by hand.
TEST_F(SavedGameTest, SavedFileHoldsTheGameByteForByte) {
    const QString own = picture(dir.path(), QStringLiteral("cy.bmp"));
    startThreeWithOwnPicture(own);
    for (int q = 1; q <= 7; ++q) {
        playTurn(QStringLiteral("100"), q % 2 == 1);
    }
    ASSERT_EQ(engine->state().QuestionNumber, 8);
    ASSERT_TRUE(saveAs(path(QStringLiteral("seven.sav"))));

    RecordBytes expected;
    GameQuestions list;
    for (int i = 1; i <= 30; ++i) {
        list.push_back(i == 9 ? jokerSlot() : mcSlot(QStringLiteral("Q%1").arg(i)));
    }
    expected.questions(gameQuestionList(list));
    expected.name(1, "Ann");
    expected.name(2, "Bob");
    expected.name(3, "Cy");
    expected.name(4, "Player 4");  // the empty seat's caption
    for (int n = 1; n <= 3; ++n) {
        expected.account(n, account(n));
    }
    expected.pictureNumber(1, 4);
    expected.pictureNumber(2, 9);
    expected.pictureNumber(3, 6);
    expected.questionNumber(8);
    expected.currentPlayer(2);
    expected.playerCount(3);
    expected.ownPicture(3, own.toUtf8());
    expected.questionsPerPlayer(10);
    EXPECT_EQ(readBytes(path(QStringLiteral("seven.sav"))), expected.bytes);
    EXPECT_TRUE(engine->state().GameSaved);
}

TEST_F(SavedGameTest, TwoSavesWithoutABetBetweenGiveIdenticalFiles) {
    startGame(2, 10);
    playTurn(QStringLiteral("300"), true);
    ASSERT_TRUE(saveAs(path(QStringLiteral("a.sav"))));
    // A refused bet is no bet.
    EXPECT_FALSE(engine->EinsatzPruefen(QStringLiteral("abc")));
    ASSERT_TRUE(saveAs(path(QStringLiteral("b.sav"))));
    const QByteArray first = readBytes(path(QStringLiteral("a.sav")));
    EXPECT_EQ(first.size(), 134852);
    EXPECT_EQ(readBytes(path(QStringLiteral("b.sav"))), first);
}

TEST_F(SavedGameTest, SaveDialogsHaveTheirTitlesFilterAndFolder) {
    startGame(1, 10);
    saveAs(path(QStringLiteral("x.sav")));
    load(path(QStringLiteral("x.sav")));
    const auto& requests = fakes.files.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].title, QStringLiteral("Save Trivanto Game"));
    EXPECT_EQ(requests[1].title, QStringLiteral("Open Trivanto Savegame"));
    for (const auto& request : requests) {
        EXPECT_EQ(request.filter, QStringLiteral("Trivanto Savegame (*.sav)"));
        EXPECT_EQ(request.defaultSuffix, QStringLiteral("sav"));
        EXPECT_EQ(request.folder, QStringLiteral("prog"));
    }
    for (const auto& request : dialog.requests()) {
        EXPECT_EQ(request.text, msg(Msg::MsgSavedGameNoTop50));
        EXPECT_EQ(request.mode, DialogMode::Question);
        EXPECT_EQ(request.width, 347);
        EXPECT_TRUE(request.wordWrap);
    }
}

// Saved at the bet of question 8, player 2 of three; then a new program (a fresh engine)
// continues it.
TEST_F(SavedGameTest, ALoadedGameGoesOnAtTheStoredBet) {
    const QString own = picture(dir.path(), QStringLiteral("cy.bmp"));
    startThreeWithOwnPicture(own);
    for (int q = 1; q <= 7; ++q) {
        playTurn(q == 3 ? QStringLiteral("450") : QStringLiteral("100"), q % 2 == 1);
    }
    const GameState before = engine->state();
    ASSERT_TRUE(saveAs(path(QStringLiteral("seven.sav"))));

    engine = std::make_unique<GameEngine>(fakes.services());
    saved = std::make_unique<SavedGames>(fakes.services(), *engine);
    dialog.clear();
    backend.clear();
    ASSERT_TRUE(load(path(QStringLiteral("seven.sav"))));
    const GameState& s = engine->state();
    const GameView& v = engine->view();
    EXPECT_EQ(engine->phase(), GamePhase::Betting);
    EXPECT_EQ(s.PlayerCount, 3);
    EXPECT_EQ(s.QuestionsPerPlayer, 10);
    EXPECT_EQ(s.QuestionNumber, 8);
    EXPECT_EQ(s.CurrentPlayer, 2);
    EXPECT_EQ(s.Account, before.Account);
    EXPECT_EQ(s.LastBet, (std::array<qint32, 4>{200, 200, 200, 200}));
    EXPECT_TRUE(s.GameSaved);
    EXPECT_FALSE(s.UploadAllowed);
    EXPECT_EQ(v.seats[0].name, QStringLiteral("Ann"));
    EXPECT_EQ(v.seats[0].picture, SeatPicture::builtIn(4));
    EXPECT_EQ(v.seats[2].picture, SeatPicture::ownFile(own, 6));
    EXPECT_TRUE(v.seats[2].taken);
    EXPECT_FALSE(v.seats[3].taken);
    EXPECT_EQ(v.seats[1].accountText, QString::number(before.Account[1]));
    EXPECT_EQ(v.headLine, QStringLiteral("Question 8 of 30"));
    EXPECT_EQ(v.questionText, QStringLiteral("Q8"));
    EXPECT_EQ(v.betText, QStringLiteral("200"));
    EXPECT_EQ(v.currentPlayerName, QStringLiteral("Bob"));
    EXPECT_EQ(v.frameSeat, 2);
    EXPECT_TRUE(v.saveEnabled);
    EXPECT_EQ(backend.played(), QStringList{QStringLiteral("prog/audio04.snd")});
    // Only the fairness question: every picture was found.
    EXPECT_EQ(dialog.requests().size(), 1u);

    // It plays on: Bob's bet and the turn to Cy.
    playTurn(QStringLiteral("200"), true);
    EXPECT_EQ(account(2), before.Account[1] + 200);
    EXPECT_EQ(engine->state().CurrentPlayer, 3);
    EXPECT_FALSE(engine->state().GameSaved);
}

TEST_F(SavedGameTest, RandomOrderDrawsThePlayerAnew) {
    random.push({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    startGame(2, 10, {}, true);
    ASSERT_TRUE(saveAs(path(QStringLiteral("r.sav"))));
    random.push({2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    ASSERT_TRUE(load(path(QStringLiteral("r.sav"))));
    EXPECT_EQ(engine->phase(), GamePhase::Drawing);
    finishTransition();
    EXPECT_EQ(engine->state().CurrentPlayer, 2);
    EXPECT_TRUE(engine->state().RandomOrder);
    EXPECT_TRUE(random.exhausted());
}

// An own picture is looked for where it was, then beside the saved game; found nowhere, the
// player shows built-in picture 0 and one notice says so.
TEST_F(SavedGameTest, OwnPicturesFollowTheSavedGameOrFallBack) {
    struct Case {
        const char* name;
        bool keepAtOldPlace;
        bool copyBeside;
        bool found;
    };
    const Case cases[] = {
        {"where it was", true, false, true},
        {"moved with the saved game", false, true, true},
        {"nowhere", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString old = dir.filePath(QStringLiteral("old"));
        const QString moved = dir.filePath(QStringLiteral("moved"));
        QDir(old).removeRecursively();
        QDir(moved).removeRecursively();
        const QString own = picture(old, QStringLiteral("cy.bmp"));
        startThreeWithOwnPicture(own);
        ASSERT_TRUE(saveAs(filePath(old, QStringLiteral("game.sav"))));
        QDir().mkpath(moved);
        ASSERT_TRUE(QFile::copy(filePath(old, QStringLiteral("game.sav")),
                                filePath(moved, QStringLiteral("game.sav"))));
        if (c.copyBeside) {
            ASSERT_TRUE(QFile::copy(own, filePath(moved, QStringLiteral("cy.bmp"))));
        }
        if (!c.keepAtOldPlace) {
            QDir(old).removeRecursively();
        }
        dialog.clear();
        ASSERT_TRUE(load(filePath(moved, QStringLiteral("game.sav"))));
        const SeatPicture shown = engine->view().seats[2].picture;
        if (!c.found) {
            EXPECT_EQ(shown, SeatPicture::builtIn(0));
            ASSERT_EQ(dialog.requests().size(), 2u);
            EXPECT_EQ(dialog.last().text, msg(Msg::MsgPlayerPictureMissing));
            EXPECT_EQ(dialog.last().width, 270);
            EXPECT_TRUE(dialog.last().wordWrap);
            EXPECT_EQ(dialog.last().mode, DialogMode::Notice);
        } else {
            const QString where =
                c.keepAtOldPlace ? own : filePath(moved, QStringLiteral("cy.bmp"));
            EXPECT_EQ(shown, SeatPicture::ownFile(where, 6));
            EXPECT_EQ(dialog.requests().size(), 1u);
        }
        EXPECT_EQ(engine->view().seats[0].picture, SeatPicture::builtIn(4));
    }
}

TEST_F(SavedGameTest, PicturesOfWindowsPathsAndOfPathsOutsideTheCodePageAreFound) {
    // A saved game from Windows names its picture "C:\Bilder\ann.bmp": found beside the file.
    startGame(1, 10);
    ASSERT_TRUE(saveAs(path(QStringLiteral("win.sav"))));
    QByteArray bytes = readBytes(path(QStringLiteral("win.sav")));
    RecordBytes patch;
    patch.bytes = bytes;
    patch.ownPicture(1, "C:\\Bilder\\ann.bmp");
    ASSERT_TRUE(writeBytes(path(QStringLiteral("win.sav")), patch.bytes));
    const QString beside = picture(dir.path(), QStringLiteral("ann.bmp"));
    ASSERT_TRUE(load(path(QStringLiteral("win.sav"))));
    EXPECT_EQ(engine->view().seats[0].picture, SeatPicture::ownFile(beside, 2));

    // A folder in Cyrillic letters: stored as UTF-8 and found again at its place.
    const QString cyrillic = picture(dir.filePath(QStringLiteral("Фото")), QStringLiteral("я.png"));
    NewGameData data;
    data.PlayerCount = 1;
    data.QuestionsPerPlayer = 10;
    data.names[0] = QStringLiteral("Ann");
    data.pictures[0] = SeatPicture::ownFile(cyrillic, 2);
    ASSERT_TRUE(engine->NeuesSpiel(data, GameQuestions(10, mcSlot(QStringLiteral("Q")))));
    ASSERT_TRUE(saveAs(path(QStringLiteral("utf8.sav"))));
    dialog.clear();
    ASSERT_TRUE(load(path(QStringLiteral("utf8.sav"))));
    EXPECT_EQ(engine->view().seats[0].picture, SeatPicture::ownFile(cyrillic, 2));
    EXPECT_EQ(dialog.requests().size(), 1u);
}

TEST_F(SavedGameTest, DecliningTheFairnessQuestionChangesNothing) {
    startGame(2, 10);
    playTurn(QStringLiteral("100"), true);
    const QString file = path(QStringLiteral("kept.sav"));
    ASSERT_TRUE(saveAs(file));
    playTurn(QStringLiteral("100"), false);
    const GameState state = engine->state();
    const GameView view = engine->view();

    for (int answer : {AnswerNo, AnswerCancel}) {
        dialog.pushAnswer(answer);
        EXPECT_FALSE(saved->SpielSpeichern());
        dialog.pushAnswer(answer);
        EXPECT_FALSE(saved->SpielLaden());
    }
    EXPECT_TRUE(fakes.files.requests().size() == 1u);  // only the first save's dialog
    EXPECT_EQ(engine->state(), state);
    EXPECT_EQ(engine->view(), view);
    EXPECT_FALSE(engine->state().GameSaved);

    // A cancelled dialog, or one that holds only a pattern, changes nothing either.
    for (const QString& answer :
         {QString(), QStringLiteral("*.sav"), path(QStringLiteral("*.sav"))}) {
        dialog.pushAnswer(AnswerYes);
        fakes.files.push(answer);
        EXPECT_FALSE(saved->SpielLaden());
        dialog.pushAnswer(AnswerYes);
        fakes.files.push(answer);
        EXPECT_FALSE(saved->SpielSpeichern());
    }
    EXPECT_EQ(engine->state(), state);
    EXPECT_EQ(engine->view(), view);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.sav")});
}

TEST_F(SavedGameTest, ALoadedGameEndsWithoutTheUploadButEntersTheTopTen) {
    startGame(1, 10);
    for (int q = 1; q <= 9; ++q) {
        playTurn(QStringLiteral("10"), true);
    }
    ASSERT_TRUE(saveAs(path(QStringLiteral("last.sav"))));
    // Played on without loading, the game keeps its upload offer.
    playTurn(QStringLiteral("10"), true);
    EXPECT_EQ(engine->phase(), GamePhase::GameOver);
    EXPECT_TRUE(engine->view().submitVisible);

    // Loaded from the end screen and played to its end: no upload.
    ASSERT_TRUE(load(path(QStringLiteral("last.sav"))));
    playTurn(QStringLiteral("10"), true);
    EXPECT_EQ(engine->phase(), GamePhase::GameOver);
    EXPECT_EQ(engine->view().endPanelText, msg(Msg::MsgSavedGameNoTransfer));
    EXPECT_FALSE(engine->view().submitVisible);
    EXPECT_EQ(settings.stringValue(QStringLiteral("Highscore/1_Money")), QStringLiteral("2200"));
    EXPECT_EQ(settings.stringValue(QStringLiteral("Highscore/2_Money")), QStringLiteral("2200"));
}

// A file that cannot be read, has the wrong length or holds values that make no game is
// refused with its message, and the running game stays exactly as it was.
struct DamagedCase {
    const char* name;
    std::function<void(QByteArray&)> damage;  // on a good record; nullptr: no file at all
    Msg message;
};

class DamagedFileTest : public SavedGameTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFileTest, IsRefusedAndTheGameStaysAsItWas) {
    startGame(2, 10);
    playTurn(QStringLiteral("100"), true);
    const QString file = path(QStringLiteral("damaged.sav"));
    ASSERT_TRUE(saveAs(file));
    playTurn(QStringLiteral("100"), false);
    const GameState state = engine->state();
    const GameView view = engine->view();
    const GameQuestions questions = engine->questions();
    const GamePhase phase = engine->phase();

    if (GetParam().damage) {
        QByteArray bytes = readBytes(file);
        GetParam().damage(bytes);
        ASSERT_TRUE(writeBytes(file, bytes));
    } else {
        QFile::remove(file);
    }
    dialog.clear();
    EXPECT_FALSE(load(file));
    ASSERT_EQ(dialog.requests().size(), 2u);
    EXPECT_TRUE(dialog.last().text.startsWith(msg(GetParam().message)))
        << dialog.last().text.toStdString();
    EXPECT_TRUE(dialog.last().text.contains(QStringLiteral("damaged.sav")));
    EXPECT_EQ(dialog.last().mode, DialogMode::Notice);
    EXPECT_TRUE(dialog.last().wordWrap);
    EXPECT_EQ(engine->state(), state);
    EXPECT_EQ(engine->view(), view);
    EXPECT_EQ(engine->phase(), phase);
    EXPECT_EQ(engine->questions().size(), questions.size());
}

void setInt(QByteArray& bytes, int offset, qint32 value) {
    RecordBytes patch;
    patch.bytes = bytes;
    patch.int32(offset, value);
    bytes = patch.bytes;
}

const DamagedCase kDamagedCases[] = {
    {"Missing", nullptr, Msg::MsgSavedGameUnreadable},
    {"Empty", [](QByteArray& b) { b.clear(); }, Msg::MsgSavedGameDamaged},
    {"OneByteShort", [](QByteArray& b) { b.chop(1); }, Msg::MsgSavedGameDamaged},
    {"OneByteLong", [](QByteArray& b) { b.append('\0'); }, Msg::MsgSavedGameDamaged},
    {"OnlyAQuestionList", [](QByteArray& b) { b.truncate(133866); }, Msg::MsgSavedGameDamaged},
    {"NoPlayers", [](QByteArray& b) { setInt(b, 134032, 0); }, Msg::MsgSavedGameDamaged},
    {"FivePlayers", [](QByteArray& b) { setInt(b, 134032, 5); }, Msg::MsgSavedGameDamaged},
    {"NoQuestionsPerPlayer", [](QByteArray& b) { setInt(b, 134844, 0); }, Msg::MsgSavedGameDamaged},
    {"MoreThan200Questions", [](QByteArray& b) { setInt(b, 134844, 101); },
     Msg::MsgSavedGameDamaged},
    {"HugeQuestionsPerPlayer", [](QByteArray& b) { setInt(b, 134844, 0x40000000); },
     Msg::MsgSavedGameDamaged},
    {"QuestionNumberZero", [](QByteArray& b) { setInt(b, 134024, 0); }, Msg::MsgSavedGameDamaged},
    {"QuestionNumberAfterTheEnd", [](QByteArray& b) { setInt(b, 134024, 21); },
     Msg::MsgSavedGameDamaged},
    {"CurrentPlayerZero", [](QByteArray& b) { setInt(b, 134028, 0); }, Msg::MsgSavedGameDamaged},
    {"CurrentPlayerNotPlaying", [](QByteArray& b) { setInt(b, 134028, 3); },
     Msg::MsgSavedGameDamaged},
    {"PictureNumberNegative", [](QByteArray& b) { setInt(b, 134008, -1); },
     Msg::MsgSavedGameDamaged},
    {"PictureNumberTen", [](QByteArray& b) { setInt(b, 134012, 10); }, Msg::MsgSavedGameDamaged},
    {"EmptyQuestionList", [](QByteArray& b) { b.replace(0, 133866, QByteArray(133866, '\0')); },
     Msg::MsgSavedGameDamaged},
};

INSTANTIATE_TEST_SUITE_P(SavedGames, DamagedFileTest, ::testing::ValuesIn(kDamagedCases),
                         [](const auto& info) { return testName(info.param.name); });

TEST_F(SavedGameTest, AFolderInPlaceOfTheFileIsUnreadable) {
    startGame(1, 10);
    QDir().mkpath(path(QStringLiteral("folder.sav")));
    const GameView view = engine->view();
    EXPECT_FALSE(load(path(QStringLiteral("folder.sav"))));
    EXPECT_TRUE(dialog.last().text.startsWith(msg(Msg::MsgSavedGameUnreadable)));
    EXPECT_EQ(engine->view(), view);
}

// Saving belongs to the bet, loading to no game, the bet and the end; never to a draw.
TEST_F(SavedGameTest, SaveAndLoadOnlyInTheirPhases) {
    startGame(2, 10);
    ASSERT_TRUE(saveAs(path(QStringLiteral("bet.sav"))));
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100")));  // Answering
    dialog.clear();
    EXPECT_FALSE(saved->SpielSpeichern());
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgSaveOnlyAtBet));
    EXPECT_EQ(dialog.last().mode, DialogMode::Notice);
    EXPECT_FALSE(saved->SpielLaden());
    engine->chooseAnswer(1);  // Result
    EXPECT_FALSE(saved->SpielLaden());
    EXPECT_EQ(dialog.requests().size(), 1u);  // no fairness question for either load
    EXPECT_TRUE(fakes.files.requests().size() == 1u);

    random.push({1, 2, 1, 2, 1, 2, 1, 2, 1, 2});
    beginGame(2, 10, {}, true);  // the draw runs
    dialog.clear();
    EXPECT_FALSE(saved->SpielLaden());
    EXPECT_FALSE(engine->restoreGame(LoadedGame{}));
    EXPECT_TRUE(dialog.empty());
    EXPECT_EQ(engine->phase(), GamePhase::Drawing);
}

// The offer of "New Game", "Exit" and "Open Game".
TEST_F(SavedGameTest, OfferToSaveARunningGame) {
    struct Case {
        const char* name;
        bool game;
        bool savedBefore;
        int answer;
        bool asks;
        bool writes;
        SaveOffer result;
    };
    const Case cases[] = {
        {"no game", false, false, AnswerYes, false, false, SaveOffer::GoOn},
        {"saved game", true, true, AnswerYes, false, false, SaveOffer::GoOn},
        {"Yes saves", true, false, AnswerYes, true, true, SaveOffer::GoOn},
        {"No goes on unsaved", true, false, AnswerNo, true, false, SaveOffer::GoOn},
        {"Cancel", true, false, AnswerCancel, true, false, SaveOffer::Cancelled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine->Ursprung();
        QFile::remove(path(QStringLiteral("offer.sav")));
        if (c.game) {
            startGame(2, 10);
            playTurn(QStringLiteral("10"), true);
        }
        if (c.savedBefore) {
            ASSERT_TRUE(saveAs(path(QStringLiteral("before.sav"))));
        }
        dialog.clear();
        if (c.asks) {
            dialog.pushAnswer(c.answer);
        }
        if (c.writes) {
            dialog.pushAnswer(AnswerYes);  // the fairness question
            fakes.files.push(path(QStringLiteral("offer.sav")));
        }
        EXPECT_EQ(saved->offerToSave(), c.result);
        ASSERT_EQ(!dialog.empty(), c.asks);
        if (c.asks) {
            EXPECT_EQ(dialog.requests()[0].text, msg(Msg::MsgAskSaveGame));
            EXPECT_EQ(dialog.requests()[0].width, 237);
            EXPECT_FALSE(dialog.requests()[0].wordWrap);
        }
        EXPECT_EQ(QFile::exists(path(QStringLiteral("offer.sav"))), c.writes);
    }

    // Yes during a question: it cannot be saved now, so the action does not go on.
    playTurn(QStringLiteral("10"), true);
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("10")));
    dialog.pushAnswer(AnswerYes);
    EXPECT_EQ(saved->offerToSave(), SaveOffer::NotSaved);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgSaveOnlyAtBet));
}

TEST_F(SavedGameTest, OpenGameOffersToSaveFirst) {
    startGame(2, 10);
    ASSERT_TRUE(saveAs(path(QStringLiteral("start.sav"))));
    playTurn(QStringLiteral("100"), true);
    const GameState state = engine->state();

    dialog.clear();
    dialog.pushAnswer(AnswerCancel);
    saved->openGame();
    EXPECT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(engine->state(), state);

    // Yes: saved, then the chosen game is loaded.
    dialog.clear();
    dialog.pushAnswer(AnswerYes);
    dialog.pushAnswer(AnswerYes);
    fakes.files.push(path(QStringLiteral("second.sav")));
    dialog.pushAnswer(AnswerYes);
    fakes.files.push(path(QStringLiteral("start.sav")));
    saved->openGame();
    EXPECT_EQ(dialog.requests().size(), 3u);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("second.sav"))));
    EXPECT_EQ(engine->state().QuestionNumber, 1);
    EXPECT_EQ(engine->state().Account, (std::array<qint32, 4>{1000, 1000, 0, 0}));
}

TEST_F(SavedGameTest, AFailedSaveSaysSoAndLeavesTheGameUnsaved) {
    startGame(2, 10);
    playTurn(QStringLiteral("10"), true);
    // The chosen name is a folder: it cannot be written.
    QDir().mkpath(path(QStringLiteral("taken.sav")));
    EXPECT_FALSE(saveAs(path(QStringLiteral("taken.sav"))));
    EXPECT_TRUE(dialog.last().text.startsWith(msg(Msg::MsgSavedGameUnwritable)));
    EXPECT_TRUE(dialog.last().text.contains(QStringLiteral("taken.sav")));
    EXPECT_FALSE(engine->state().GameSaved);
    // The offer does not let the program end over a save that failed.
    dialog.pushAnswer(AnswerYes);
    dialog.pushAnswer(AnswerYes);
    fakes.files.push(path(QStringLiteral("taken.sav")));
    EXPECT_EQ(saved->offerToSave(), SaveOffer::NotSaved);
}

TEST_F(SavedGameTest, LongNamesAndPathsAreCutToTheirFields) {
    const QString longFolder = dir.filePath(QString(120, QLatin1Char('f')));
    const QString own =
        picture(longFolder, QString(100, QLatin1Char('p')) + QStringLiteral(".bmp"));
    NewGameData data;
    data.PlayerCount = 1;
    data.QuestionsPerPlayer = 10;
    data.names[0] = QString(40, QLatin1Char('N'));
    data.pictures[0] = SeatPicture::ownFile(own, 3);
    ASSERT_TRUE(engine->NeuesSpiel(data, GameQuestions(10, mcSlot(QStringLiteral("Q")))));
    ASSERT_TRUE(saveAs(path(QStringLiteral("long.sav"))));
    const TSaveRecord record = saveRecordOf(*engine);
    EXPECT_EQ(record.names[0], QString(30, QLatin1Char('N')));
    EXPECT_EQ(record.ownPicturePath[0], own.toUtf8().left(200));
    // The cut path names no file: the player falls back to picture 0.
    ASSERT_TRUE(load(path(QStringLiteral("long.sav"))));
    EXPECT_EQ(engine->view().seats[0].name, QString(30, QLatin1Char('N')));
    EXPECT_EQ(engine->view().seats[0].picture, SeatPicture::builtIn(0));
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgPlayerPictureMissing));
}

}  // namespace
}  // namespace trivanto
