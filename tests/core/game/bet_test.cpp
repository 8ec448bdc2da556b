#include <gtest/gtest.h>

#include "core/game/bet_rules.h"
#include "support/game_fixture.h"

namespace trivanto {
namespace {

using gametest::GameFixture;

struct BetCase {
    const char* text;
    qint32 account;
    BetCheck expected;
    qint32 value;
};

TEST(BetRules, LimitsAndFormat) {
    const BetCase cases[] = {
        {"1", 100, BetCheck::Accepted, 1},
        {"500", 100, BetCheck::Accepted, 500},
        {"501", 100, BetCheck::Limit500, 0},
        {"550", 550, BetCheck::Accepted, 550},
        {"551", 550, BetCheck::LimitAccount, 0},
        {"500", 500, BetCheck::Accepted, 500},
        {"501", 500, BetCheck::Limit500, 0},
        {"100000", 200000, BetCheck::Accepted, 100000},
        {"100001", 200000, BetCheck::LimitAccount, 0},
        {"500", -300, BetCheck::Accepted, 500},
        {"501", -300, BetCheck::Limit500, 0},
        {"500", 0, BetCheck::Accepted, 500},
        {"", 1000, BetCheck::NotAnInteger, 0},
        {"0", 1000, BetCheck::NotAnInteger, 0},
        {"000", 1000, BetCheck::NotAnInteger, 0},
        {"12a", 1000, BetCheck::NotAnInteger, 0},
        {"-5", 1000, BetCheck::NotAnInteger, 0},
        {" 50", 1000, BetCheck::NotAnInteger, 0},
        {"50 ", 1000, BetCheck::NotAnInteger, 0},
        {"1.5", 1000, BetCheck::NotAnInteger, 0},
        {"1234567890", 1000, BetCheck::NotAnInteger, 0},
        {"0000000001", 1000, BetCheck::NotAnInteger, 0},
        {"0500", 1000, BetCheck::Accepted, 500},
        // Nine digits are well formed; the limits then decide.
        {"000000700", 1000, BetCheck::Accepted, 700},
        {"999999999", 300, BetCheck::Limit500, 0},
        {"999999999", 250000, BetCheck::LimitAccount, 0},
    };
    for (const auto& c : cases) {
        const BetResult r = checkBet(QString::fromLatin1(c.text), c.account);
        EXPECT_EQ(r.check, c.expected) << '"' << c.text << "\" on " << c.account;
        EXPECT_EQ(r.value, c.value) << '"' << c.text << "\" on " << c.account;
    }
}

TEST(BetRules, MaxOffersAtLeast500AndAtMost100000) {
    const std::pair<qint32, qint32> cases[] = {{100, 500},       {-300, 500},     {500, 500},
                                               {550, 550},       {99999, 99999},  {200000, 100000},
                                               {250000, 100000}, {100000, 100000}};
    for (const auto& [account, expected] : cases) {
        EXPECT_EQ(maxBet(account), expected) << account;
        // What MAX offers must always pass the check.
        EXPECT_EQ(checkBet(QString::number(maxBet(account)), account).check, BetCheck::Accepted)
            << account;
    }
}

class BetPanel : public GameFixture {};

TEST_F(BetPanel, RejectedBetsShowTheirMessageAndKeepTheBetPanel) {
    struct MessageCase {
        const char* text;
        Msg message;
        int width;
        bool wrap;
    };
    startGame(1, 20);
    // 1000 -> 550: an account above 500 but below the typed amounts.
    playTurn(QStringLiteral("450"), false);
    const MessageCase cases[] = {
        {"12a", Msg::MsgBetIntegerRange, 313, false},
        {"", Msg::MsgBetIntegerRange, 313, false},
        {"551", Msg::MsgBetLimitAccount, 290, true},
        {"100001", Msg::MsgBetLimitAccount, 290, true},
    };
    for (const auto& c : cases) {
        dialog.clear();
        EXPECT_FALSE(engine->EinsatzPruefen(QString::fromLatin1(c.text))) << c.text;
        ASSERT_EQ(dialog.requests().size(), 1u) << c.text;
        EXPECT_EQ(dialog.last().text, msg(c.message)) << c.text;
        EXPECT_EQ(dialog.last().width, c.width) << c.text;
        EXPECT_EQ(dialog.last().wordWrap, c.wrap) << c.text;
        EXPECT_EQ(dialog.last().mode, DialogMode::Notice);
        EXPECT_EQ(engine->view().panel, SidePanel::PanelGeldsetzen);
        EXPECT_EQ(engine->view().betText, QString::fromLatin1(c.text));
        EXPECT_TRUE(engine->view().saveEnabled);
    }
    // Down to 100: 501 hits the 500 limit.
    playTurn(QStringLiteral("450"), false);
    ASSERT_EQ(account(1), 100);
    dialog.clear();
    EXPECT_FALSE(engine->EinsatzPruefen(QStringLiteral("501")));
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgBetLimit500));
    EXPECT_EQ(dialog.last().width, 345);
    EXPECT_FALSE(dialog.last().wordWrap);
    // 500 on 100 is fine and a wrong answer takes the account to -400.
    playTurn(QStringLiteral("500"), false);
    EXPECT_EQ(account(1), -400);
}

TEST_F(BetPanel, MaxAndTheOfferedBet) {
    startGame(2, 10);
    EXPECT_EQ(engine->view().betText, QStringLiteral("200"));
    EXPECT_EQ(engine->fillMaximumBet(), QStringLiteral("1000"));
    EXPECT_EQ(engine->view().betText, QStringLiteral("1000"));
    playTurn(QStringLiteral("0700"), false);                   // Ann 300, Bob 1700
    EXPECT_EQ(engine->view().betText, QStringLiteral("200"));  // Bob's first turn
    playTurn(QStringLiteral("100"), true);
    // Ann's last bet 700 is offered again though her 300 no longer allows it.
    EXPECT_EQ(engine->view().betText, QStringLiteral("700"));
    EXPECT_FALSE(engine->EinsatzPruefen(engine->view().betText));
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgBetLimit500));
    EXPECT_EQ(engine->fillMaximumBet(), QStringLiteral("500"));
}

TEST_F(BetPanel, AcceptedBetStopsTheSoundAndLocksSaving) {
    startGame(2, 10);
    backend.clear();
    ASSERT_TRUE(engine->EinsatzPruefen(QStringLiteral("100")));
    EXPECT_EQ(backend.calls(), (QStringList{QStringLiteral("stop"), QStringLiteral("stop"),
                                            QStringLiteral("prog/audio05.snd")}));
    EXPECT_FALSE(engine->view().saveEnabled);
    EXPECT_FALSE(engine->view().openEnabled);
    EXPECT_EQ(engine->view().panel, SidePanel::None);
    EXPECT_EQ(engine->view().screen, Screen::XFrage);
    EXPECT_EQ(engine->state().LastBet[0], 100);
    // A second bet while the question is open does nothing.
    EXPECT_FALSE(engine->EinsatzPruefen(QStringLiteral("100")));
}

}  // namespace
}  // namespace trivanto
