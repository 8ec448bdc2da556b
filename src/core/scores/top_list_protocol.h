#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "core/scores/top_list_entry.h"

namespace trivanto {

// The text rules of the top-list server's two exchanges, as bytes in Windows-1252.

// "1,234,567", "999", "-1,500": a "," before every group of three digits from the right.
QString formatThousands(qint32 score);

// A 32-bit decimal number, optionally after blanks and a sign, with nothing after it;
// anything else reads as 0 ("1\r" too).
qint32 strictNumber(const QByteArray& text);
// The score field of a list line: leading blanks and every character that is not a digit
// are dropped, a leading "-" is kept; "12.50" reads as 1250, "" as 0, too large as 0.
qint32 looseNumber(const QByteArray& text);

// Lines at each line feed; an empty text has none, a final line feed starts no further line,
// and a carriage return stays part of its line.
QList<QByteArray> splitLines(const QByteArray& text);
// Takes the text before the first "~" off `rest`; without "~" all of it.
QByteArray cutField(QByteArray& rest);

// Makes a name, e-mail or other field of a command safe to put between the "&" of the
// command: "%", "&", "#", "+" and "=" become "%25", "%26", "%23", "%2B" and "%3D", so a field
// can never end early or forge another one. The server decodes them.
QString escapeCommandField(const QString& field);
// The query text of a command as it goes on the wire: every "~" and every blank become "°"
// (the byte 0xB0), the text is Windows-1252, and every byte that may not stand in a URL
// query as it is ("#", "°", anything outside printable ASCII) is written as "%XX". "&" and
// "%" stay: they are the command's own structure.
QByteArray commandQuery(const QString& commandText);
// "TLADDUSER&" Name "&" EMail "&" score with thousands separators "&" Language, each field
// escaped.
QString addUserCommand(const QString& name, const QString& email, qint32 score,
                       const QString& language);

// What the server said to one sent result. `Rank` is only meaningful with tlrOk.
struct TopListSendReply {
    TTopListResult result = tlrNoConnection;
    QString Message;
    qint32 Rank = 0;
};
// Reads a reply to TLADDUSER: status line, then for status 1 the message and the rank.
TopListSendReply readSendReply(const QByteArray& body);

// The served list: one entry per line, ranks from 1, fields cut at "~" into name, e-mail,
// score, language and extra. None when the list has more lines than a rank can number.
std::optional<TTopListEntryList> readListText(const QByteArray& body);

}  // namespace trivanto
