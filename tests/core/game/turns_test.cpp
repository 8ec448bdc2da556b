#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace trivanto {
namespace {

using gametest::estimationSlot;
using gametest::GameFixture;
using gametest::jokerSlot;
using gametest::mcSlot;

class Turns : public GameFixture {};

TEST_F(Turns, ThreePlayersTakeTurnsAndTheGameEndsAfterThirty) {
    startGame(3, 10);
    for (int q = 1; q <= 30; ++q) {
        ASSERT_EQ(engine->state().QuestionNumber, q);
        EXPECT_EQ(engine->state().CurrentPlayer, (q - 1) % 3 + 1) << q;
        EXPECT_EQ(engine->view().frameSeat, (q - 1) % 3 + 1) << q;
        EXPECT_EQ(engine->view().headLine, QStringLiteral("Question %1 of 30").arg(q));
        EXPECT_EQ(engine->view().questionText, QStringLiteral("Q%1").arg(q));
        EXPECT_EQ(engine->view().panel, SidePanel::PanelGeldsetzen);
        EXPECT_TRUE(engine->view().gameInProgress);
        playTurn(QStringLiteral("10"), true);
    }
    EXPECT_EQ(engine->view().screen, Screen::XEnde);
    EXPECT_EQ(engine->view().panel, SidePanel::PanelOnlineupdate);
    EXPECT_FALSE(engine->view().frameVisible);
    EXPECT_FALSE(engine->view().gameInProgress);
    EXPECT_TRUE(engine->view().openEnabled);
    EXPECT_FALSE(engine->view().saveEnabled);
}

// What the board showed at each change, and when.
struct Frame {
    qint64 at;
    GamePhase phase;
    int seat;
    SidePanel panel;
    bool operator==(const Frame&) const = default;
};

TEST_F(Turns, RandomOrderDrawIsTenTimedFlickersAndAPause) {
    // Turn 1 flickers through 1,2,1,... and stops at 2; turn 2 stops at 2 again.
    random.push({1, 2, 1, 2, 1, 2, 1, 2, 1, 2});
    std::vector<Frame> frames;
    QObject::connect(engine.get(), &GameEngine::changed, [&] {
        frames.push_back(
            {clock.tickMs(), engine->phase(), engine->view().frameSeat, engine->view().panel});
    });
    beginGame(2, 10, {}, true);
    // The draw has begun and nothing of the turn is up yet.
    EXPECT_EQ(engine->phase(), GamePhase::Drawing);
    EXPECT_TRUE(engine->inTransition());
    EXPECT_EQ(engine->view().panel, SidePanel::None);
    clock.advance(5000);
    std::vector<Frame> expected;
    for (int i = 0; i < 10; ++i) {
        expected.push_back({60 * i, GamePhase::Drawing, i % 2 + 1, SidePanel::None});
    }
    expected.push_back({600, GamePhase::DrawPause, 2, SidePanel::None});
    expected.push_back({2600, GamePhase::Betting, 2, SidePanel::PanelGeldsetzen});
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(engine->state().CurrentPlayer, 2);
    EXPECT_EQ(backend.played(),
              (QStringList{QStringLiteral("prog/audio12.snd"), QStringLiteral("prog/audio09.snd"),
                           QStringLiteral("prog/audio03.snd")}));
    for (const auto& request : random.requests()) {
        EXPECT_EQ(request, std::make_pair(1, 2));
    }
    random.push({2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    playTurn(QStringLiteral("10"), true);
    EXPECT_EQ(engine->state().CurrentPlayer, 2);
    EXPECT_EQ(engine->state().QuestionNumber, 2);
    EXPECT_EQ(engine->view().headLine, QStringLiteral("Question 2 of 20"));
}

TEST_F(Turns, ANewGameCountsItsOwnQuestionsFromItsDraw) {
    startGame(2, 1);
    playTurn(QStringLiteral("10"), true);
    playTurn(QStringLiteral("10"), true);
    ASSERT_EQ(engine->view().screen, Screen::XEnde);
    ASSERT_EQ(engine->view().headLine, QStringLiteral("Question 2 of 2"));
    random.push({1, 2, 1, 2, 1, 2, 1, 2, 1, 2});
    beginGame(2, 2, {}, true);
    ASSERT_EQ(engine->phase(), GamePhase::Drawing);
    EXPECT_TRUE(engine->view().headLineVisible);
    EXPECT_EQ(engine->view().headLine, QStringLiteral("Question 1 of 4"));
}

TEST_F(Turns, RandomOrderWithSoundOffSkipsThePause) {
    sound->toggleSound();
    random.push({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    beginGame(2, 10, {}, true);
    clock.advance(599);
    EXPECT_EQ(engine->phase(), GamePhase::Drawing);
    clock.advance(1);
    EXPECT_EQ(engine->phase(), GamePhase::Betting);
    EXPECT_TRUE(backend.played().isEmpty());
}

// The cues of multiple-choice turns in order: the bet cue, silence on the accepted bet, the
// countdown music, the answer's cue; with the sound off only the stops remain.
TEST_F(Turns, CueSequenceOfMultipleChoiceTurns) {
    for (const bool soundOn : {true, false}) {
        SCOPED_TRACE(soundOn ? "sound on" : "sound off");
        if (sound->SoundOn() != soundOn) {
            sound->toggleSound();
        }
        backend.clear();
        startGame(2, 10);
        ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100")));
        engine->chooseAnswer(1);
        engine->proceed();
        ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100")));
        engine->chooseAnswer(2);
        engine->proceed();
        const QStringList on{"stop",
                             "prog/audio03.snd",  // question 1 is prepared
                             "stop",              // the accepted bet
                             "stop",
                             "prog/audio05.snd",  // the countdown music
                             "stop",
                             "prog/audio08.snd",  // right
                             "stop",
                             "prog/audio04.snd",  // question 2 is prepared
                             "stop",
                             "stop",
                             "prog/audio05.snd",
                             "stop",
                             "prog/audio10.snd",  // wrong
                             "stop",
                             "prog/audio04.snd"};
        EXPECT_EQ(backend.calls(), soundOn ? on : (QStringList{"stop", "stop"}));
    }
}

TEST_F(Turns, NewGameBoardAndEmptySeats) {
    startGame(4, 10);
    startGame(2, 10);
    const GameView& v = engine->view();
    EXPECT_EQ(v.seats[0].name, QStringLiteral("Ann"));
    EXPECT_TRUE(v.seats[1].taken);
    EXPECT_EQ(v.seats[1].accountText, QStringLiteral("1000"));
    EXPECT_EQ(v.seats[1].picture, SeatPicture::builtIn(3));
    for (int seat : {2, 3}) {
        const auto& s = v.seats[static_cast<std::size_t>(seat)];
        EXPECT_FALSE(s.taken);
        EXPECT_EQ(s.name, QStringLiteral("Player %1").arg(seat + 1));
        EXPECT_EQ(s.accountText, QStringLiteral("0"));
        EXPECT_EQ(s.picture, SeatPicture::placeholder());
    }
    EXPECT_EQ(engine->state().Account, (std::array<qint32, 4>{1000, 1000, 0, 0}));
    EXPECT_EQ(v.guessLabels[1], QStringLiteral("Bob"));
    EXPECT_TRUE(v.uploadAllowed);
    EXPECT_TRUE(v.saveEnabled);
    EXPECT_TRUE(v.openEnabled);
    EXPECT_TRUE(v.headLineVisible);
    EXPECT_EQ(v.currentPlayerName, QStringLiteral("Ann"));
}

TEST_F(Turns, TooFewQuestionsLeaveTheEmptyBoard) {
    startGame(2, 10);
    NewGameData data;
    data.PlayerCount = 2;
    data.QuestionsPerPlayer = 10;
    data.names = {QStringLiteral("X"), QStringLiteral("Y"), {}, {}};
    EXPECT_FALSE(engine->NeuesSpiel(data, GameQuestions(19, mcSlot(QStringLiteral("Q")))));
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgGameListUnreadable));
    const GameView& v = engine->view();
    EXPECT_FALSE(v.frameVisible);
    EXPECT_FALSE(v.gameInProgress);
    EXPECT_EQ(v.panel, SidePanel::None);
    EXPECT_FALSE(v.headLineVisible);
    EXPECT_EQ(v.seats[0].name, QStringLiteral("Player 1"));
    EXPECT_FALSE(v.seats[0].taken);
    EXPECT_TRUE(v.openEnabled);
    EXPECT_FALSE(v.saveEnabled);
}

TEST_F(Turns, KindIsToldBySecondAnswerOnly) {
    QuestionSlot odd = mcSlot(QStringLiteral("Looks normal"));
    odd.answers[1] = QStringLiteral("ife");
    QuestionSlot capital = mcSlot(QStringLiteral("Capital"));
    capital.answers[1] = QStringLiteral("Joker");
    startGame(2, 10, {odd, capital, estimationSlot(QStringLiteral("E"), QStringLiteral("5"))});
    EXPECT_EQ(engine->state().CurrentKind, QuestionKind::Estimation);
    engine->EinsatzPruefen(QStringLiteral("10"));
    engine->SchaetzungAuswerten({QStringLiteral("1"), QStringLiteral("2"), {}, {}});
    engine->proceed();
    EXPECT_EQ(engine->state().CurrentKind, QuestionKind::MultipleChoice);
    EXPECT_EQ(engine->view().answers[1], QStringLiteral("Joker"));
}

TEST_F(Turns, EnterGoesOnFromEveryResultScreen) {
    startGame(2, 10,
              {mcSlot(QStringLiteral("Q1")), mcSlot(QStringLiteral("Q2")),
               estimationSlot(QStringLiteral("E"), QStringLiteral("5")), jokerSlot()});
    // Betting: the window does not take keys first.
    EXPECT_FALSE(engine->view().keyPreview);
    EXPECT_FALSE(engine->resultKeyPressed(true));
    engine->EinsatzPruefen(QStringLiteral("10"));
    EXPECT_FALSE(engine->resultKeyPressed(true));  // the question is no result screen
    engine->chooseAnswer(1);
    EXPECT_TRUE(engine->view().keyPreview);
    EXPECT_TRUE(engine->view().enterProceeds);
    // Another key changes nothing: Enter still goes on afterwards.
    EXPECT_FALSE(engine->resultKeyPressed(false));
    EXPECT_TRUE(engine->view().enterProceeds);
    EXPECT_EQ(engine->state().QuestionNumber, 1);
    EXPECT_TRUE(engine->resultKeyPressed(true));
    EXPECT_EQ(engine->state().QuestionNumber, 2);
    // Wrong answer, estimation result and joker result all go on with Enter.
    engine->EinsatzPruefen(QStringLiteral("10"));
    engine->chooseAnswer(2);
    EXPECT_EQ(engine->view().screen, Screen::XFalsch);
    EXPECT_TRUE(engine->resultKeyPressed(true));
    engine->EinsatzPruefen(QStringLiteral("10"));
    engine->SchaetzungAuswerten({QStringLiteral("1"), QStringLiteral("2"), {}, {}});
    EXPECT_EQ(engine->view().screen, Screen::XSchaetzfrageExakt);
    EXPECT_TRUE(engine->view().enterProceeds);
    EXPECT_TRUE(engine->resultKeyPressed(true));
    EXPECT_EQ(engine->state().QuestionNumber, 4);
    random.push(1);  // the joker pays the bet once
    engine->EinsatzPruefen(QStringLiteral("10"));
    EXPECT_EQ(engine->view().screen, Screen::XJoker);
    EXPECT_FALSE(engine->resultKeyPressed(false));
    EXPECT_TRUE(engine->resultKeyPressed(true));
    EXPECT_EQ(engine->state().QuestionNumber, 5);
    EXPECT_FALSE(engine->view().enterProceeds);  // betting again
}

TEST_F(Turns, UrsprungEmptiesTheBoard) {
    startGame(3, 10);
    engine->Ursprung();
    const GameView& v = engine->view();
    for (int n = 0; n < 4; ++n) {
        EXPECT_FALSE(v.seats[static_cast<std::size_t>(n)].taken);
        EXPECT_EQ(v.seats[static_cast<std::size_t>(n)].accountText, QStringLiteral("0"));
    }
    EXPECT_FALSE(v.frameVisible);
    EXPECT_EQ(v.panel, SidePanel::None);
    EXPECT_EQ(v.screen, Screen::XUnsichtbar);
    EXPECT_TRUE(v.openEnabled);
    EXPECT_FALSE(v.saveEnabled);
    // Ticks do nothing without a game on the board.
    clock.advance(1000);
    EXPECT_EQ(v.screen, Screen::XUnsichtbar);
}

}  // namespace
}  // namespace trivanto
