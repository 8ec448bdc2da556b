#pragma once

#include <QString>

#include "core/app/settings_store.h"

namespace trivanto {

// Setting keys the shell prepares at every start.
namespace settings_keys {
inline const QString kProgDir = QStringLiteral("ProgDir");
inline const QString kPlayersGroup = QStringLiteral("Players");
inline const QString kHighscoreGroup = QStringLiteral("Highscore");
inline const QString kSound = QStringLiteral("Players/Ton");
}  // namespace settings_keys

// Prepares the settings at start-up: "ProgDir" is written every time; the four default
// players only when the Players group is missing; "Ton" = true when absent; the empty top
// ten only when the Highscore group is missing (an existing one is never touched, even with
// slots missing). Returns the sound setting that results. The caller saves (SettingsSaver),
// once the player can be told that the disk refuses.
bool prepareStartSettings(SettingsStore& store, const QString& progDir);

}  // namespace trivanto
