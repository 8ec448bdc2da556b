#pragma once

#include <QDateTime>
#include <QString>
#include <array>

#include "core/scores/top_list_entry.h"

namespace trivanto {

// Which list the high-score window builds when it opens; shared with the upload wizard.
enum class HighScoreView { Local, Online };

// The flag picture for a language word, exactly as written: "deutsch" 0, "english" 1,
// "french" 2, "spanish" 3, "italian" 4, any other word (and empty rows) 5.
int flagIndex(const QString& languageWord);
constexpr int kNoFlag = 5;

// Whether a local copy written at `written` asks for a refresh at `now`: it was written
// before midnight at the start of the day seven days before today. A copy fetched on day D is
// first outdated on day D + 8.
bool topListCopyOutdated(const QDateTime& written, const QDateTime& now);

// One row of a page of the on-line view.
struct OnlinePageRow {
    int place = 0;      // position in the list, 1-based (the stored Rank is not shown)
    bool empty = true;  // no entry here: "Empty", the example address, "-" and flag 5
    QString name;
    QString email;
    qint32 score = 0;
    int flag = kNoFlag;
};
constexpr int kOnlinePageRows = 10;

// The ten rows from `pageOffset` on (0, 10, 20, 30 or 40).
std::array<OnlinePageRow, kOnlinePageRows> onlinePage(const TTopListEntryList& entries,
                                                      int pageOffset);

}  // namespace trivanto
