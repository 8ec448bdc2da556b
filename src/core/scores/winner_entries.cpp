#include "core/scores/winner_entries.h"

namespace trivanto {

QString tidyWinnerName(const QString& typed) {
    QString name = typed.trimmed().left(WinnerEntries::kMaxNameLength);
    if (!name.isEmpty() && name.front() >= QLatin1Char('a') && name.front() <= QLatin1Char('z')) {
        name[0] = name.front().toUpper();
    }
    return name;
}

QString tidyWinnerEmail(const QString& typed) {
    return typed.trimmed();
}

QList<Msg> checkWinnerEntries(const WinnerEntries& entries, int count) {
    bool incomplete = false;
    bool repeated = false;
    bool invalid = false;
    for (int k = 0; k < count && k < int(entries.names.size()); ++k) {
        const QString& name = entries.names[std::size_t(k)];
        const QString& email = entries.emails[std::size_t(k)];
        if (name.isEmpty() || email.isEmpty()) {
            incomplete = true;
        }
        for (int earlier = 0; earlier < k; ++earlier) {
            if (!name.isEmpty() && name == entries.names[std::size_t(earlier)]) {
                repeated = true;
            }
        }
        // An empty address is already reported as a gap.
        if (!email.isEmpty() &&
            (!email.contains(QLatin1Char('.')) || !email.contains(QLatin1Char('@')))) {
            invalid = true;
        }
    }
    QList<Msg> notices;
    if (incomplete) {
        notices << Msg::MsgFillAllFields;
    }
    if (repeated) {
        notices << Msg::MsgNameOnlyOnce;
    }
    if (invalid) {
        notices << Msg::MsgEmailInvalid;
    }
    return notices;
}

}  // namespace trivanto
