#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <array>
#include <optional>

namespace trivanto {

class SettingsStore;

// Results are scaled to a game of 20 questions per player before they enter any list.
double ScoreFactor(int questionsPerPlayer);
qint32 scaledScore(qint32 account, int questionsPerPlayer);

struct TopTenSlot {
    QString name;
    QString money;  // "-" for an empty slot
    QString date;
    QString time;
};

// The local list of the ten best games, kept in the settings as "Highscore/N_Name",
// "_Money", "_Date" and "_Time" for N = 1 (best) to 10.
class LocalTopTen final {
public:
    static constexpr int kSlots = 10;

    explicit LocalTopTen(SettingsStore& settings, QLocale locale = QLocale());

    // Enters one result; returns its rank 1..10, or 11 when it is too low to be entered.
    // A result equal to an existing one goes above it. The caller saves the settings.
    int HighscoreBerechnen(const QString& name, qint32 score, const QDateTime& at);

    // Empties every slot: `emptyName`, "00.00.00", "00:00:00" and "-".
    // The caller saves the settings.
    void clear(const QString& emptyName);

    TopTenSlot slot(int n) const;
    // The result in slot n. A stored whole number is a result, one beyond the 32-bit range
    // (a hand-edited file) counts as the nearest 32-bit number, so it keeps its place above
    // or below every real score; anything else ("-", missing, text) is no result.
    std::optional<qint32> storedScore(int n) const;
    // True when slot n holds no result.
    bool isEmptySlot(int n) const { return !storedScore(n).has_value(); }

    static QString key(int n, const char* word);

private:
    void writeSlot(int n, const TopTenSlot& slot);

    SettingsStore& m_settings;
    QLocale m_locale;
};

}  // namespace trivanto
