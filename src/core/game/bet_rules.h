#pragma once

#include <QString>
#include <QStringList>

namespace trivanto {

inline constexpr qint32 kFreeBetLimit = 500;
inline constexpr qint32 kMaxBet = 100000;

enum class BetCheck { Accepted, NotAnInteger, Limit500, LimitAccount };

struct BetResult {
    BetCheck check = BetCheck::NotAnInteger;
    qint32 value = 0;  // the accepted amount
};

// The bet rules: 1 to 9 digits, at least 1; up to 500 always, above 500 only up to an account
// above 500, never above 100,000.
BetResult checkBet(const QString& text, qint32 account);
// The largest bet "MAX" offers for an account.
qint32 maxBet(qint32 account);

// A guess is 1 to 8 digits.
bool isValidGuess(const QString& text);
// How far a guess lies from the exact value. Exact for every pair of 64-bit numbers: a damaged
// file's value near the lowest one cannot overflow the distance.
quint64 guessDistance(qint64 guess, qint64 exact);

// "A", "A and B", "A, B and C".
QString joinNames(const QStringList& names, const QString& andInfix);

// Two digits, "15" .. "00".
QString countdownText(int seconds);

}  // namespace trivanto
