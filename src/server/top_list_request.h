#pragma once

#include <QByteArray>
#include <QString>

namespace trivanto {

// The statuses a send is answered with, first line of the reply body.
enum class SendStatus : int {
    Accepted = 1,
    Refused = 2,    // the name or the e-mail address is not acceptable
    Malformed = 3,  // not a TLADDUSER command with four fields, or a field out of form
    TooMany = 4,    // too many sends from one address
};

// One result as the game sent it, decoded.
struct AddUserRequest {
    QString name;
    QString email;
    qint32 score = 0;
    QString language;
};

struct AddUserParse {
    SendStatus status = SendStatus::Malformed;
    AddUserRequest request;  // with Accepted
    QString reason;          // otherwise, for the log
};

constexpr int kMaxNameLength = 30;
constexpr int kMaxEmailLength = 100;
constexpr int kMaxLanguageLength = 20;

// Reads the raw query of "toplist.pl?TLADDUSER&name&e-mail&score&language". The query is
// split at "&" first, then each field is percent-decoded ("+" stays "+") and read as
// Windows-1252, so an escaped "&", "=", "%", "#" or "+" stays inside its field. "°" (how the
// game sends blanks and "~") and "~" become blanks, so a name can never cut a list line into
// fields. The score may carry thousands separators ("12,345", "-1,500").
AddUserParse parseAddUserQuery(const QByteArray& rawQuery);

}  // namespace trivanto
