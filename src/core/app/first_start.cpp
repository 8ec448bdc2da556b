#include "core/app/first_start.h"

#include "core/app/app_paths.h"

namespace trivanto {

namespace {

QString playerKey(int n, const char* suffix) {
    return QStringLiteral("Players/Player%1%2").arg(n).arg(QLatin1String(suffix));
}

QString highscoreKey(int n, const char* field) {
    return QStringLiteral("Highscore/%1_%2").arg(n).arg(QLatin1String(field));
}

}  // namespace

bool prepareStartSettings(SettingsStore& store, const QString& progDir) {
    using namespace settings_keys;
    // Stored as the classic program wrote it: with a trailing separator.
    store.setString(kProgDir, withTrailingSeparator(progDir));

    if (!store.groupExists(kPlayersGroup)) {
        for (int n = 1; n <= 4; ++n) {
            // The English word in both languages: these are stored defaults, not texts.
            store.setString(playerKey(n, ""), QStringLiteral("Player %1").arg(n));
            store.setString(playerKey(n, "_eMail"), QString());
            store.setInt(playerKey(n, "_Pic"), 0);
        }
    }
    if (!store.contains(kSound)) {
        store.setBool(kSound, true);
    }
    if (!store.groupExists(kHighscoreGroup)) {
        for (int n = 1; n <= 10; ++n) {
            store.setString(highscoreKey(n, "Name"), QStringLiteral("Frei"));
            store.setString(highscoreKey(n, "Date"), QStringLiteral("00.00.00"));
            store.setString(highscoreKey(n, "Time"), QStringLiteral("00:00:00"));
            store.setString(highscoreKey(n, "Money"), QStringLiteral("-"));
        }
    }
    return store.boolValue(kSound, true);
}

}  // namespace trivanto
