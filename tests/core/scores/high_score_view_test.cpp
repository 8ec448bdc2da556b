// What the high-score window needs from the list: pages, flags and the seven-day reminder.
#include "core/scores/high_score_view.h"

#include <gtest/gtest.h>

namespace trivanto {
namespace {

TTopListEntryList entries(int count) {
    TTopListEntryList list;
    for (int i = 0; i < count; ++i) {
        list.append({qint16(100 + i),
                     1000 - i,
                     QStringLiteral("P%1").arg(i + 1),
                     QStringLiteral("p%1@x.test").arg(i + 1),
                     i % 2 ? QStringLiteral("french") : QStringLiteral("English"),
                     {}});
    }
    return list;
}

TEST(HighScoreView, PagesShowPlacesNotStoredRanks) {
    const TTopListEntryList list = entries(13);
    const auto first = onlinePage(list, 0);
    EXPECT_EQ(first[0].place, 1);
    EXPECT_EQ(first[0].name, QStringLiteral("P1"));
    EXPECT_EQ(first[9].place, 10);
    EXPECT_FALSE(first[9].empty);

    const auto second = onlinePage(list, 10);
    for (int i = 0; i < kOnlinePageRows; ++i) {
        EXPECT_EQ(second[size_t(i)].place, 11 + i);
        EXPECT_EQ(second[size_t(i)].empty, i >= 3) << i;
    }
    EXPECT_EQ(second[2].name, QStringLiteral("P13"));
    EXPECT_EQ(second[2].email, QStringLiteral("p13@x.test"));
    EXPECT_EQ(second[2].score, 988);
    EXPECT_EQ(second[3].flag, kNoFlag);
    EXPECT_TRUE(second[3].name.isEmpty());

    const auto last = onlinePage(list, 40);
    EXPECT_EQ(last[9].place, 50);
    EXPECT_TRUE(last[0].empty);
}

TEST(HighScoreView, FlagsFollowTheExactLanguageWord) {
    const std::pair<const char*, int> cases[] = {
        {"deutsch", 0}, {"english", 1}, {"french", 2}, {"spanish", 3},
        {"italian", 4}, {"English", 5}, {"", 5},       {"klingon", 5},
    };
    for (const auto& [word, flag] : cases) {
        EXPECT_EQ(flagIndex(QString::fromLatin1(word)), flag) << word;
    }
    EXPECT_EQ(onlinePage(entries(2), 0)[1].flag, 2);
}

TEST(HighScoreView, CopyIsOutdatedFromTheEighthDay) {
    const QDateTime now(QDate(2024, 3, 9), QTime(10, 0));
    const std::pair<QDateTime, bool> cases[] = {
        {QDateTime(QDate(2024, 3, 8), QTime(23, 59)), false},
        {QDateTime(QDate(2024, 3, 2), QTime(0, 0)), false},
        {QDateTime(QDate(2024, 3, 1), QTime(23, 59, 59)), true},
        {QDateTime(QDate(2024, 3, 1), QTime(0, 0)), true},
        {QDateTime(QDate(2023, 12, 1), QTime(12, 0)), true},
    };
    for (const auto& [written, outdated] : cases) {
        EXPECT_EQ(topListCopyOutdated(written, now), outdated)
            << written.toString(Qt::ISODate).toStdString();
    }
}

}  // namespace
}  // namespace trivanto
