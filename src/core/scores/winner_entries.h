#pragma once

#include <QList>
#include <QString>
#include <array>

#include "core/lang/message_catalogue.h"

namespace trivanto {

// The names and e-mail addresses the winners are sent with, as typed on the wizard's names
// page (rows 1 to 4).
struct WinnerEntries {
    static constexpr int kMaxNameLength = 15;
    std::array<QString, 4> names;
    std::array<QString, 4> emails;
};

// A name as it is sent: blanks at both ends dropped, at most 15 characters, and a first
// letter "a" to "z" made a capital (other characters stay as they are).
QString tidyWinnerName(const QString& typed);
// An address as it is sent: blanks at both ends dropped.
QString tidyWinnerEmail(const QString& typed);

// The notices for rows 1..count, in the order they are shown, each at most once:
// MsgFillAllFields (a name or its e-mail empty), MsgNameOnlyOnce (a name equal, case
// counting, to an earlier row's) and MsgEmailInvalid (a typed address without "." or "@").
// Empty when the rows can be sent.
QList<Msg> checkWinnerEntries(const WinnerEntries& entries, int count);

}  // namespace trivanto
