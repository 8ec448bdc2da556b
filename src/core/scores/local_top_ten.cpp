#include "core/scores/local_top_ten.h"

#include <QRegularExpression>
#include <limits>

#include "core/app/settings_store.h"
#include "core/game/money.h"

namespace trivanto {

namespace {
struct Ratio {
    qint64 numerator;
    qint64 denominator;
};

// The factors as exact fractions; 30 questions per player use the classic decimal constant
// 0.6666667, not an exact two thirds.
Ratio scoreRatio(int questionsPerPlayer) {
    switch (questionsPerPlayer) {
        case 10:
            return {2, 1};
        case 20:
            return {1, 1};
        case 30:
            return {6666667, 10000000};
        case 40:
            return {1, 2};
        case 50:
            return {2, 5};
        default:
            // Typed game lengths: the same scaling to 20 questions per player.
            return questionsPerPlayer > 0 ? Ratio{20, questionsPerPlayer} : Ratio{1, 1};
    }
}
}  // namespace

double ScoreFactor(int questionsPerPlayer) {
    const Ratio r = scoreRatio(questionsPerPlayer);
    return static_cast<double>(r.numerator) / static_cast<double>(r.denominator);
}

qint32 scaledScore(qint32 account, int questionsPerPlayer) {
    // Exact: a product that is exactly a half goes to the even neighbour.
    const Ratio r = scoreRatio(questionsPerPlayer);
    return roundHalfEven(static_cast<qint64>(account) * r.numerator, r.denominator);
}

LocalTopTen::LocalTopTen(SettingsStore& settings, QLocale locale)
    : m_settings(settings), m_locale(std::move(locale)) {}

QString LocalTopTen::key(int n, const char* word) {
    return QStringLiteral("Highscore/%1_%2").arg(n).arg(QLatin1String(word));
}

TopTenSlot LocalTopTen::slot(int n) const {
    return {m_settings.stringValue(key(n, "Name")), m_settings.stringValue(key(n, "Money")),
            m_settings.stringValue(key(n, "Date")), m_settings.stringValue(key(n, "Time"))};
}

std::optional<qint32> LocalTopTen::storedScore(int n) const {
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*([+-]?)([0-9]+)\\s*$"));
    const QRegularExpressionMatch match =
        wholeNumber.match(m_settings.stringValue(key(n, "Money")));
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const bool negative = match.captured(1) == QLatin1String("-");
    bool ok = false;
    const qint64 value = match.captured(2).toLongLong(&ok);
    // Digits beyond 64 bits are beyond 32 bits too.
    const qint64 magnitude = ok ? value : std::numeric_limits<qint64>::max();
    const qint64 limit = negative ? -qint64(std::numeric_limits<qint32>::min())
                                  : qint64(std::numeric_limits<qint32>::max());
    const qint64 clamped = std::min(magnitude, limit);
    return static_cast<qint32>(negative ? -clamped : clamped);
}

void LocalTopTen::writeSlot(int n, const TopTenSlot& s) {
    m_settings.setString(key(n, "Money"), s.money);
    m_settings.setString(key(n, "Name"), s.name);
    m_settings.setString(key(n, "Date"), s.date);
    m_settings.setString(key(n, "Time"), s.time);
}

void LocalTopTen::clear(const QString& emptyName) {
    for (int n = 1; n <= kSlots; ++n) {
        writeSlot(n, {emptyName, QStringLiteral("-"), QStringLiteral("00.00.00"),
                      QStringLiteral("00:00:00")});
    }
}

int LocalTopTen::HighscoreBerechnen(const QString& name, qint32 score, const QDateTime& at) {
    int rank = kSlots + 1;
    for (int n = 1; n <= kSlots; ++n) {
        const std::optional<qint32> money = storedScore(n);
        // A hand-edited or missing value counts as an empty slot instead of stopping the end.
        if (!money || *money <= score) {
            rank = n;
            break;
        }
    }
    if (rank > kSlots) {
        return rank;
    }
    for (int m = kSlots - 1; m >= rank; --m) {
        writeSlot(m + 1, slot(m));
    }
    writeSlot(rank,
              {name, QString::number(score), m_locale.toString(at.date(), QLocale::ShortFormat),
               m_locale.toString(at.time(), QLocale::LongFormat)});
    return rank;
}

}  // namespace trivanto
