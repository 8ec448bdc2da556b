#include <gtest/gtest.h>

#include "core/scores/local_top_ten.h"
#include "support/game_fixture.h"

namespace trivanto {
namespace {

using gametest::GameFixture;

class GameEnd : public GameFixture {
protected:
    // Plays a whole game of one question per turn; `right` decides each answer.
    void playAll(int players, int perPlayer,
                 const std::vector<std::pair<const char*, bool>>& turns) {
        startGame(players, perPlayer);
        for (const auto& [bet, right] : turns) {
            playTurn(QString::fromLatin1(bet), right);
        }
        ASSERT_EQ(engine->view().screen, Screen::XEnde);
    }
    QString topMoney(int n) const { return settings.stringValue(LocalTopTen::key(n, "Money")); }
    QString topName(int n) const { return settings.stringValue(LocalTopTen::key(n, "Name")); }
};

TEST_F(GameEnd, OneWinnerScaledWithFootnote) {
    settings.setString(QStringLiteral("Players/Player1_eMail"), QStringLiteral("ann@example.org"));
    // Ann wins 450 and Bob 100, then every turn is a bet of 1 answered right.
    std::vector<std::pair<const char*, bool>> turns(20, {"1", true});
    turns[0] = {"450", true};
    turns[1] = {"100", true};
    playAll(2, 10, turns);
    // Ann: 1000 + 450 + 9 = 1459; Bob: 1000 + 100 + 9 = 1109.
    ASSERT_EQ(account(1), 1459);
    const GameView& v = engine->view();
    EXPECT_EQ(v.winnerText, QStringLiteral("The Winner is: Ann with 2918 $*"));
    EXPECT_EQ(v.footnoteText, msg(Msg::MsgRatioFootnote));
    EXPECT_EQ(v.endPanelText, msg(Msg::MsgTop50Invite));
    EXPECT_TRUE(v.submitVisible);
    const WinnersList& w = engine->winners();
    EXPECT_EQ(w.WinnerCount, 1);
    EXPECT_EQ(w.WinnerName[0], QStringLiteral("Ann"));
    EXPECT_EQ(w.WinnerScore[0], 2918);
    EXPECT_EQ(w.WinnerEMail[0], QStringLiteral("ann@example.org"));
    EXPECT_EQ(w.WinnerSeat[0], 1);
    EXPECT_EQ(w.WinnerRank[0], -1);
    EXPECT_EQ(w.WinnerScore[1], -1);
    EXPECT_EQ(topMoney(1), QStringLiteral("2918"));
    EXPECT_EQ(backend.played().last(), QStringLiteral("prog/audio11.snd"));
}

TEST_F(GameEnd, OnePlayerTwentyQuestionsHasNoAsterisk) {
    playAll(1, 20, std::vector<std::pair<const char*, bool>>(20, {"1", true}));
    EXPECT_EQ(engine->view().winnerText, QStringLiteral("The Winner is: Ann with 1020 $"));
    EXPECT_EQ(engine->view().footnoteText, QString());
}

TEST_F(GameEnd, TiedWinnersAreNamedAndEnteredLaterAbove) {
    struct TieCase {
        int players;
        std::vector<std::pair<const char*, bool>> turns;
        const char* line;
        QStringList topNames;
    };
    const TieCase cases[] = {
        // Cy loses 400 to Ann and Bob; then every bet of 1 is won: 1210, 1210, 609.
        {3,
         {{"1", true}, {"1", true}, {"400", false}},
         "The Winner is: Ann and Bob with 2420 $*",
         {"Bob", "Ann"}},
        {4,
         {{"1", true}, {"1", true}, {"1", true}, {"1", true}},
         "The Winner is: Ann, Bob, Cy and Dee with 2020 $*",
         {"Dee", "Cy", "Bob", "Ann"}},
    };
    for (const auto& c : cases) {
        settings = MemorySettingsStore{};
        auto turns = c.turns;
        for (int i = static_cast<int>(turns.size()); i < c.players * 10; ++i) {
            turns.emplace_back("1", true);
        }
        // Every player answers right the same number of times after the opening round.
        playAll(c.players, 10, turns);
        EXPECT_EQ(engine->view().winnerText, QString::fromLatin1(c.line));
        EXPECT_EQ(engine->winners().WinnerCount, c.topNames.size());
        for (int n = 0; n < c.topNames.size(); ++n) {
            EXPECT_EQ(topName(n + 1), c.topNames[n]) << c.line;
        }
    }
}

TEST_F(GameEnd, NegativeResultEntersAnEmptyListAtTheTop) {
    playAll(1, 10, std::vector<std::pair<const char*, bool>>(10, {"500", false}));
    EXPECT_EQ(engine->view().winnerText, QStringLiteral("The Winner is: Ann with -8000 $*"));
    EXPECT_EQ(topMoney(1), QStringLiteral("-8000"));
}

TEST_F(GameEnd, LoadedGameOffersNoUploadButEntersTheTopTen) {
    playAll(1, 10, std::vector<std::pair<const char*, bool>>(10, {"1", true}));
    EXPECT_TRUE(engine->view().submitVisible);
    EXPECT_TRUE(engine->submitOffered());
    // The same game continued from a save at its last question.
    LoadedGame loaded;
    loaded.data.PlayerCount = 1;
    loaded.data.QuestionsPerPlayer = 10;
    loaded.data.names[0] = QStringLiteral("Ann");
    loaded.Account[0] = 1009;
    loaded.QuestionNumber = 10;
    loaded.questions = engine->questions();
    ASSERT_TRUE(engine->restoreGame(loaded));
    EXPECT_FALSE(engine->state().UploadAllowed);
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("1")));
    engine->chooseAnswer(1);
    engine->proceed();
    EXPECT_EQ(engine->view().endPanelText, msg(Msg::MsgSavedGameNoTransfer));
    EXPECT_FALSE(engine->view().submitVisible);
    EXPECT_FALSE(engine->submitOffered());
    EXPECT_EQ(topMoney(2), QStringLiteral("2020"));
}

TEST_F(GameEnd, ASentResultTakesTheOfferAway) {
    EXPECT_FALSE(engine->submitOffered()) << "no game, nothing to send";
    playAll(1, 10, std::vector<std::pair<const char*, bool>>(10, {"1", true}));
    ASSERT_TRUE(engine->submitOffered());
    engine->hideUploadOffer();
    EXPECT_EQ(engine->view().panel, SidePanel::None);
    EXPECT_FALSE(engine->view().submitVisible);
    EXPECT_FALSE(engine->submitOffered());
    EXPECT_EQ(engine->view().screen, Screen::XEnde) << "the end screen stays";
}

TEST_F(GameEnd, ThirtyPerPlayerUsesTheDecimalConstant) {
    std::vector<std::pair<const char*, bool>> turns(30, {"1", false});
    turns[0] = {"500", true};
    playAll(1, 30, turns);
    // 1500 - 29 = 1471 * 0.6666667 = 980.667 -> 981
    EXPECT_EQ(engine->winners().WinnerScore[0], 981);
}

}  // namespace
}  // namespace trivanto
