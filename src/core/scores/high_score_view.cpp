#include "core/scores/high_score_view.h"

namespace trivanto {

int flagIndex(const QString& languageWord) {
    static const std::array<QLatin1String, 5> words = {
        QLatin1String("deutsch"), QLatin1String("english"), QLatin1String("french"),
        QLatin1String("spanish"), QLatin1String("italian")};
    for (int i = 0; i < int(words.size()); ++i) {
        if (languageWord == words[size_t(i)]) {
            return i;
        }
    }
    return kNoFlag;
}

bool topListCopyOutdated(const QDateTime& written, const QDateTime& now) {
    return written < now.date().addDays(-7).startOfDay();
}

std::array<OnlinePageRow, kOnlinePageRows> onlinePage(const TTopListEntryList& entries,
                                                      int pageOffset) {
    std::array<OnlinePageRow, kOnlinePageRows> rows;
    for (int i = 0; i < kOnlinePageRows; ++i) {
        const int n = pageOffset + i;
        OnlinePageRow& row = rows[size_t(i)];
        row.place = n + 1;
        if (n >= 0 && n < entries.size()) {
            const TTopListEntry& entry = entries.at(n);
            row.empty = false;
            row.name = entry.Name;
            row.email = entry.EMail;
            row.score = entry.Score;
            row.flag = flagIndex(entry.Language);
        }
    }
    return rows;
}

}  // namespace trivanto
