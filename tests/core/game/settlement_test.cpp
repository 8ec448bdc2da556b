#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace trivanto {
namespace {

using gametest::estimationSlot;
using gametest::GameFixture;
using gametest::jokerSlot;
using gametest::mcSlot;

class Settlement : public GameFixture {};

TEST_F(Settlement, WrongAnswerSharesTheBetRoundedHalfToEven) {
    struct ShareCase {
        int players;
        const char* bet;
        std::array<qint32, 4> accounts;
    };
    const ShareCase cases[] = {
        {4, "100", {900, 1033, 1033, 1033}}, {3, "5", {995, 1002, 1002, 0}},
        {3, "15", {985, 1008, 1008, 0}},     {2, "333", {667, 1333, 0, 0}},
        {1, "250", {750, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        startGame(c.players, 10);
        ASSERT_TRUE(engine->EinsatzPruefen(QString::fromLatin1(c.bet)));
        engine->chooseAnswer(3);
        EXPECT_EQ(engine->state().Account, c.accounts) << c.players << " players, bet " << c.bet;
        EXPECT_EQ(engine->view().screen, Screen::XFalsch);
        EXPECT_EQ(engine->view().rightAnswerText, QStringLiteral("Q1 A1"));
        EXPECT_EQ(engine->view().seats[0].accountText, QString::number(c.accounts[0]));
        EXPECT_EQ(engine->view().panel, SidePanel::PanelWeiter);
    }
}

TEST_F(Settlement, RightAnswerWinsTheBetAlone) {
    startGame(3, 10, {mcSlot(QStringLiteral("Q"), QStringLiteral("4"))});
    backend.clear();
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("250")));
    engine->chooseAnswer(4);
    EXPECT_EQ(engine->state().Account, (std::array<qint32, 4>{1250, 1000, 1000, 0}));
    EXPECT_EQ(engine->view().screen, Screen::XRichtig);
    EXPECT_EQ(backend.played().last(), QStringLiteral("prog/audio08.snd"));
}

TEST_F(Settlement, DamagedCorrectFieldCountsNoAnswerRight) {
    startGame(2, 10, {mcSlot(QStringLiteral("Q"), QStringLiteral("7"))});
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100")));
    engine->chooseAnswer(1);
    EXPECT_EQ(engine->view().screen, Screen::XFalsch);
    EXPECT_EQ(engine->view().rightAnswerText, QString());
    EXPECT_EQ(account(1), 900);
}

TEST_F(Settlement, CountdownRunsFifteenToZeroThenCountsAsWrong) {
    startGame(2, 10);
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100")));
    EXPECT_TRUE(engine->view().countdownVisible);
    EXPECT_TRUE(engine->countdownRunning());
    QStringList shown{engine->view().countdownText};
    for (int tick = 1; tick <= 16; ++tick) {
        clock.advance(1000);
        shown << engine->view().countdownText;
    }
    EXPECT_EQ(shown, (QStringList{"15", "15", "14", "13", "12", "11", "10", "09", "08", "07", "06",
                                  "05", "04", "03", "02", "01", "00"}));
    EXPECT_EQ(engine->view().screen, Screen::XFrage);
    backend.clear();
    clock.advance(1000);  // the seventeenth tick settles
    EXPECT_EQ(engine->view().screen, Screen::XFalsch);
    EXPECT_FALSE(engine->view().countdownVisible);
    EXPECT_FALSE(engine->countdownRunning());
    EXPECT_EQ(engine->state().Account, (std::array<qint32, 4>{900, 1100, 0, 0}));
    EXPECT_EQ(backend.played(), QStringList{QStringLiteral("prog/audio10.snd")});
    // Further ticks change nothing.
    clock.advance(1000);
    EXPECT_EQ(account(2), 1100);
}

TEST_F(Settlement, AnswerAfterZeroBeforeTheNextTickCounts) {
    startGame(2, 10);
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100")));
    for (int tick = 1; tick <= 16; ++tick) {
        clock.advance(1000);
    }
    ASSERT_EQ(engine->view().countdownText, QStringLiteral("00"));
    engine->chooseAnswer(1);
    EXPECT_EQ(engine->view().screen, Screen::XRichtig);
    EXPECT_EQ(account(1), 1100);
    clock.advance(1000);
    EXPECT_EQ(account(1), 1100);
    EXPECT_EQ(engine->view().screen, Screen::XRichtig);
}

TEST_F(Settlement, JokerPaysTheBetOnceOrTwice) {
    struct JokerCase {
        int outcome;
        Msg start;
        qint32 account;
    };
    // -200 is reached by wrong bets of 500, 500 and 200 of a lone player.
    const JokerCase cases[] = {{1, Msg::MsgPayoutStake, 300}, {2, Msg::MsgPayoutDouble, 800}};
    for (const auto& c : cases) {
        startGame(1, 10,
                  {mcSlot(QStringLiteral("a")), mcSlot(QStringLiteral("b")),
                   mcSlot(QStringLiteral("c")), jokerSlot()});
        playTurn(QStringLiteral("500"), false);
        playTurn(QStringLiteral("500"), false);
        playTurn(QStringLiteral("200"), false);
        ASSERT_EQ(account(1), -200);
        random.push(c.outcome);
        backend.clear();
        ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("500")));
        EXPECT_EQ(engine->view().screen, Screen::XJoker);
        EXPECT_EQ(engine->view().jokerText,
                  msg(c.start) + QStringLiteral("\r-200 $ -> %1 $.").arg(c.account));
        EXPECT_EQ(account(1), c.account);
        EXPECT_EQ(engine->view().panel, SidePanel::PanelWeiter);
        EXPECT_TRUE(engine->view().enterProceeds);
        EXPECT_FALSE(engine->countdownRunning());
        EXPECT_EQ(backend.played(), QStringList{QStringLiteral("prog/audio06.snd")});
        EXPECT_EQ(random.requests().back(), std::make_pair(1, 2));
    }
}

TEST_F(Settlement, JokerTouchesNoOtherAccount) {
    startGame(3, 10, {jokerSlot(), jokerSlot()});
    random.push({2, 1});
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("300")));
    EXPECT_EQ(engine->view().jokerText,
              msg(Msg::MsgPayoutDouble) + QStringLiteral("\r1000 $ -> 1600 $."));
    engine->proceed();
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100")));
    EXPECT_EQ(engine->state().Account, (std::array<qint32, 4>{1600, 1100, 1000, 0}));
}

struct EstimationCase {
    const char* name;
    int players;
    const char* exact;
    std::array<const char*, 4> guesses;
    std::array<qint32, 4> accounts;  // after a bet of 100 by player 1
    const char* closest;
};

class Estimation : public GameFixture {};

TEST_F(Estimation, ClosestGuessesWinTheBet) {
    const EstimationCase cases[] = {
        {"tie", 2, "100", {"90", "110", "", ""}, {1100, 1100, 0, 0}, "Ann and Bob"},
        {"exact twice", 3, "100", {"100", "100", "50", ""}, {1100, 1100, 1000, 0}, "Ann and Bob"},
        {"all four",
         4,
         "7",
         {"3", "11", "3", "11"},
         {1100, 1100, 1100, 1100},
         "Ann, Bob, Cy and Dee"},
        {"own guess farthest", 3, "50", {"0", "49", "51"}, {1000, 1100, 1100, 0}, "Bob and Cy"},
        {"negative value", 3, "-44", {"3", "0", "1"}, {1000, 1100, 1000, 0}, "Bob"},
        {"leading zeros", 2, "7", {"007", "8", "", ""}, {1100, 1000, 0, 0}, "Ann"},
        {"eight digits",
         2,
         "99999999",
         {"12345678", "99999999", "", ""},
         {1000, 1100, 0, 0},
         "Bob"},
        // A damaged file's value at the ends of the 64-bit range: the distances are taken
        // without overflow, so the nearer guess still wins.
        {"lowest 64-bit value",
         2,
         "-9223372036854775808",
         {"0", "99999999", "", ""},
         {1100, 1000, 0, 0},
         "Ann"},
        {"near the lowest 64-bit value",
         2,
         "-9223372036854775000",
         {"99999999", "5", "", ""},
         {1000, 1100, 0, 0},
         "Bob"},
        {"highest 64-bit value",
         2,
         "9223372036854775807",
         {"1", "99999999", "", ""},
         {1000, 1100, 0, 0},
         "Bob"},
    };
    for (const auto& c : cases) {
        startGame(c.players, 10,
                  {estimationSlot(QStringLiteral("How many?"), QString::fromLatin1(c.exact))});
        ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100"))) << c.name;
        EXPECT_EQ(engine->view().screen, Screen::XSchaetzfrage);
        EXPECT_EQ(engine->view().guessFieldCount, std::max(2, c.players));
        std::array<QString, 4> guesses;
        for (std::size_t i = 0; i < 4; ++i) {
            guesses[i] = QString::fromLatin1(c.guesses[i]);
        }
        backend.clear();
        ASSERT_TRUE(engine->SchaetzungAuswerten(guesses)) << c.name;
        EXPECT_EQ(engine->state().Account, c.accounts) << c.name;
        EXPECT_EQ(engine->view().closestText,
                  msg(Msg::MsgClosestGuess) + QString::fromLatin1(c.closest))
            << c.name;
        EXPECT_EQ(engine->view().exactAnswerText,
                  msg(Msg::MsgCorrectAnswerIs) + QString::fromLatin1(c.exact));
        EXPECT_EQ(engine->view().screen, Screen::XSchaetzfrageExakt);
        EXPECT_EQ(engine->view().panel, SidePanel::PanelWeiter);
        EXPECT_EQ(backend.played(), QStringList{QStringLiteral("prog/audio08.snd")});
    }
}

TEST_F(Estimation, InvalidGuessesAreRefusedAndNothingIsSettled) {
    const std::array<QString, 4> bad[] = {
        {"", "5", "5", "x"},  {"5", "123456789", "5", ""}, {"-5", "5", "5", ""},
        {"5", "5", " 5", ""}, {"5", "1.5", "5", ""},
    };
    startGame(3, 10, {estimationSlot(QStringLiteral("E"), QStringLiteral("5"))});
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100")));
    for (const auto& guesses : bad) {
        dialog.clear();
        EXPECT_FALSE(engine->SchaetzungAuswerten(guesses)) << guesses[0].toStdString();
        ASSERT_EQ(dialog.requests().size(), 1u);
        EXPECT_EQ(dialog.last().text, msg(Msg::MsgEstimateInteger));
        EXPECT_EQ(dialog.last().width, 365);
        EXPECT_TRUE(dialog.last().wordWrap);
        EXPECT_EQ(engine->view().screen, Screen::XSchaetzfrage);
    }
    EXPECT_EQ(engine->state().Account, (std::array<qint32, 4>{1000, 1000, 1000, 0}));
    // Player 4's field is ignored with three players.
    EXPECT_TRUE(engine->SchaetzungAuswerten({"5", "5", "5", "junk"}));
}

TEST_F(Estimation, EnterMovesThroughTheFieldsThenSettles) {
    std::vector<FocusTarget> focus;
    QObject::connect(engine.get(), &GameEngine::focusRequested,
                     [&](FocusTarget t) { focus.push_back(t); });
    startGame(2, 10, {estimationSlot(QStringLiteral("E"), QStringLiteral("5"))});
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100")));
    const std::array<QString, 4> guesses{"4", "9", "", ""};
    engine->guessEntered(1, guesses);
    EXPECT_EQ(engine->view().screen, Screen::XSchaetzfrage);
    engine->guessEntered(2, guesses);
    EXPECT_EQ(engine->view().screen, Screen::XSchaetzfrageExakt);
    EXPECT_EQ(focus,
              (std::vector<FocusTarget>{FocusTarget::GuessField1, FocusTarget::GuessField2}));
    EXPECT_EQ(account(1), 1100);
}

TEST_F(Estimation, ExactValueThatIsNoNumberPaysNobody) {
    startGame(2, 10, {estimationSlot(QStringLiteral("E"), QStringLiteral("about 5"))});
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100")));
    EXPECT_TRUE(engine->SchaetzungAuswerten({"4", "9", "", ""}));
    EXPECT_EQ(engine->state().Account, (std::array<qint32, 4>{1000, 1000, 0, 0}));
    EXPECT_EQ(engine->view().closestText, QString());
    EXPECT_EQ(engine->view().panel, SidePanel::PanelWeiter);
}

}  // namespace
}  // namespace trivanto
