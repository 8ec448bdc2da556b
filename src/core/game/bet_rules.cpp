#include "core/game/bet_rules.h"

#include <algorithm>

namespace trivanto {

namespace {
bool onlyDigits(const QString& text, int maxLength) {
    if (text.isEmpty() || text.size() > maxLength) {
        return false;
    }
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}
}  // namespace

BetResult checkBet(const QString& text, qint32 account) {
    bool wellFormed = onlyDigits(text, 9);
    if (wellFormed) {
        const qint32 v = text.toInt();  // nine digits always fit
        if (v <= 0) {
            wellFormed = false;
        }
        if (v > kFreeBetLimit && account <= kFreeBetLimit) {
            return {BetCheck::Limit500, 0};
        }
        if ((v > account && v > kFreeBetLimit) || v > kMaxBet) {
            return {BetCheck::LimitAccount, 0};
        }
        if (wellFormed) {
            return {BetCheck::Accepted, v};
        }
    }
    return {BetCheck::NotAnInteger, 0};
}

qint32 maxBet(qint32 account) {
    return std::clamp(account, kFreeBetLimit, kMaxBet);
}

bool isValidGuess(const QString& text) {
    return onlyDigits(text, 8);
}

quint64 guessDistance(qint64 guess, qint64 exact) {
    // Unsigned arithmetic wraps by definition, and the true distance always fits.
    return guess >= exact ? quint64(guess) - quint64(exact) : quint64(exact) - quint64(guess);
}

QString joinNames(const QStringList& names, const QString& andInfix) {
    if (names.size() <= 1) {
        return names.value(0);
    }
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + andInfix + names.last();
}

QString countdownText(int seconds) {
    return QStringLiteral("%1").arg(seconds, 2, 10, QLatin1Char('0'));
}

}  // namespace trivanto
