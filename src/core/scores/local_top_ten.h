#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <array>

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
    // A result equal to an existing one goes above it.
    int HighscoreBerechnen(const QString& name, qint32 score, const QDateTime& at);

    // Empties every slot: `emptyName`, "00.00.00", "00:00:00" and "-".
    void clear(const QString& emptyName);

    TopTenSlot slot(int n) const;
    // True when slot n holds no result: its money is "-", missing or not a whole number.
    bool isEmptySlot(int n) const;

    static QString key(int n, const char* word);

private:
    void writeSlot(int n, const TopTenSlot& slot);

    SettingsStore& m_settings;
    QLocale m_locale;
};

}  // namespace trivanto
