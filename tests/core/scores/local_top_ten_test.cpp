#include <gtest/gtest.h>

#include "core/app/memory_settings_store.h"
#include "core/scores/local_top_ten.h"

namespace trivanto {
namespace {

TEST(ScoreFactor, ScalesToTwentyQuestionsPerPlayer) {
    const struct {
        int perPlayer;
        qint32 account;
        qint32 score;
    } cases[] = {
        {10, 1450, 2900}, {20, 1000, 1000}, {30, 1500, 1000},  // 1000.00005
        {30, 3, 2},                                            // 2.0000001
        {40, 1001, 500},  {40, 1003, 502},  {50, 1000, 400},  {50, -1001, -400},
        {25, 1000, 800},  {7, 700, 2000},  // typed lengths: 20 / questions per player
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scaledScore(c.account, c.perPlayer), c.score)
            << c.account << " at " << c.perPlayer;
    }
    EXPECT_EQ(ScoreFactor(30), 0.6666667);
}

class TopTen : public ::testing::Test {
protected:
    void fill(std::initializer_list<const char*> money) {
        int n = 1;
        for (const char* m : money) {
            settings.setString(LocalTopTen::key(n, "Money"), QString::fromLatin1(m));
            settings.setString(LocalTopTen::key(n, "Name"), QStringLiteral("old%1").arg(n));
            settings.setString(LocalTopTen::key(n, "Date"), QStringLiteral("00.00.00"));
            settings.setString(LocalTopTen::key(n, "Time"), QStringLiteral("00:00:00"));
            ++n;
        }
    }
    QStringList moneyColumn() const {
        QStringList out;
        for (int n = 1; n <= 10; ++n) {
            out << settings.stringValue(LocalTopTen::key(n, "Money"), QStringLiteral("?"));
        }
        return out;
    }
    QStringList nameColumn() const {
        QStringList out;
        for (int n = 1; n <= 10; ++n) {
            out << settings.stringValue(LocalTopTen::key(n, "Name"), QStringLiteral("?"));
        }
        return out;
    }

    MemorySettingsStore settings;
    LocalTopTen topTen{settings, QLocale::c()};
    QDateTime at{QDate(2024, 3, 9), QTime(14, 5, 7)};
};

TEST_F(TopTen, RankSearchShiftAndTies) {
    const struct {
        const char* name;
        std::vector<const char*> before;
        qint32 score;
        int rank;
        QStringList money;
    } cases[] = {
        {"empty list",
         {"-", "-", "-", "-", "-", "-", "-", "-", "-", "-"},
         2900,
         1,
         {"2900", "-", "-", "-", "-", "-", "-", "-", "-", "-"}},
        {"equal goes above",
         {"900", "800", "700", "600", "-", "-", "-", "-", "-", "-"},
         700,
         3,
         {"900", "800", "700", "700", "600", "-", "-", "-", "-", "-"}},
        {"full list loses slot 10",
         {"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"},
         5,
         6,
         {"10", "9", "8", "7", "6", "5", "5", "4", "3", "2"}},
        {"lower than a full list",
         {"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"},
         0,
         11,
         {"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"}},
        {"equal to slot 10",
         {"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"},
         1,
         10,
         {"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"}},
        {"negative enters only empty or lower",
         {"5", "-300", "-", "-", "-", "-", "-", "-", "-", "-"},
         -200,
         2,
         {"5", "-200", "-300", "-", "-", "-", "-", "-", "-", "-"}},
        {"damaged money is an empty slot",
         {"900", "lots", "100", "-", "-", "-", "-", "-", "-", "-"},
         50,
         2,
         {"900", "50", "lots", "100", "-", "-", "-", "-", "-", "-"}},
        // Beyond 32 bits a stored number counts as the nearest 32-bit one: still a result.
        {"beyond 32 bits stays above",
         {"99999999999", "900", "-", "-", "-", "-", "-", "-", "-", "-"},
         1000,
         2,
         {"99999999999", "1000", "900", "-", "-", "-", "-", "-", "-", "-"}},
        {"below 32 bits stays below",
         {"900", "-99999999999", "-", "-", "-", "-", "-", "-", "-", "-"},
         -5,
         2,
         {"900", "-5", "-99999999999", "-", "-", "-", "-", "-", "-", "-"}},
        {"beyond 64 bits stays above",
         {"123456789012345678901234567890", "-", "-", "-", "-", "-", "-", "-", "-", "-"},
         2147483647,
         1,
         {"2147483647", "123456789012345678901234567890", "-", "-", "-", "-", "-", "-", "-", "-"}},
    };
    for (const auto& c : cases) {
        settings = MemorySettingsStore{};
        int n = 1;
        for (const char* m : c.before) {
            settings.setString(LocalTopTen::key(n++, "Money"), QString::fromLatin1(m));
        }
        EXPECT_EQ(topTen.HighscoreBerechnen(QStringLiteral("New"), c.score, at), c.rank) << c.name;
        EXPECT_EQ(moneyColumn(), c.money) << c.name;
    }
}

TEST_F(TopTen, StoredScoresFollowOneRule) {
    const struct {
        const char* stored;
        std::optional<qint32> score;
    } cases[] = {
        {"1200", 1200},
        {" -40 ", -40},
        {"+7", 7},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"-2147483649", std::numeric_limits<qint32>::min()},
        {"99999999999999999999999", 2147483647},
        {"-", std::nullopt},
        {"", std::nullopt},
        {"12.5", std::nullopt},
        {"1,200", std::nullopt},
        {"0x10", std::nullopt},
        {"\u0661\u0662", std::nullopt},  // digits of another script are no number here
    };
    for (const auto& c : cases) {
        settings.setString(LocalTopTen::key(1, "Money"), QString::fromUtf8(c.stored));
        EXPECT_EQ(topTen.storedScore(1), c.score) << c.stored;
        EXPECT_EQ(topTen.isEmptySlot(1), !c.score.has_value()) << c.stored;
    }
}

TEST_F(TopTen, MissingMoneyCountsAsEmptyAndWholeSlotsMove) {
    fill({"900", "800"});
    // Slot 3 onwards has no values at all.
    EXPECT_EQ(topTen.HighscoreBerechnen(QStringLiteral("Ann"), 850, at), 2);
    EXPECT_EQ(nameColumn().mid(0, 3), (QStringList{"old1", "Ann", "old2"}));
    const TopTenSlot slot2 = topTen.slot(2);
    EXPECT_EQ(slot2.money, QStringLiteral("850"));
    EXPECT_EQ(slot2.date, QLocale::c().toString(at.date(), QLocale::ShortFormat));
    EXPECT_EQ(slot2.time, QLocale::c().toString(at.time(), QLocale::LongFormat));
    EXPECT_EQ(topTen.slot(3).date, QStringLiteral("00.00.00"));
    EXPECT_EQ(topTen.HighscoreBerechnen(QStringLiteral("Bob"), 1, at), 4);
}

}  // namespace
}  // namespace trivanto
