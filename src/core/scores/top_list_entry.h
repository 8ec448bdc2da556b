#pragma once

#include <QList>
#include <QString>

namespace trivanto {

// One row of the weekly on-line top fifty.
struct TTopListEntry {
    qint16 Rank = 0;   // place in the list, 1 for the first row
    qint32 Score = 0;  // the player's final money in whole currency units
    QString Name;
    QString EMail;
    QString Language;  // "deutsch", "english", "french", "spanish", "italian", or any word
    QString Extra;     // a fifth server field, kept and stored but never shown

    friend bool operator==(const TTopListEntry&, const TTopListEntry&) = default;
};

// Index 0 holds rank 1.
using TTopListEntryList = QList<TTopListEntry>;

// The outcome of one exchange with the top-list server; the numbers are fixed.
enum TTopListResult : int {
    tlrNoConnection = 0,  // the request failed or its body was not read to the end
    tlrBadReply = 1,      // a body arrived but did not have the expected form
    tlrOk = 2,            // the result was accepted (send) or the list received (fetch)
    // The server answered the send with status 2, 3 or 4; the reference server uses them for
    // a refused name or e-mail, a malformed request and too many requests from one address.
    tlrStatus2 = 3,
    tlrStatus3 = 4,
    tlrStatus4 = 5,
};

}  // namespace trivanto
