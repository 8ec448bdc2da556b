#pragma once

#include <QString>
#include <QStringList>

#include "core/setup/category_selection.h"
#include "core/setup/player_setup.h"

namespace trivanto {

class Clock;
class GameEngine;
class MessageCatalogue;
class MessageDialog;
class RandomSource;
class SettingsStore;
class SetupProgress;
class SoundCues;

struct SetupServices {
    SettingsStore& settings;
    Clock& clock;
    RandomSource& random;
    MessageDialog& dialog;
    SoundCues& sound;
    const MessageCatalogue& catalogue;
    QString progDir;        // category files
    QString windowsFolder;  // "fragen.tmp" and "game.log"
};

// The new-game window's rules: players, categories, game length, and the start of a game
// (checks, pool, draw, "game.log", then the engine's new game).
class NewGameSetup final {
public:
    enum class StartResult { Refused, Failed, Started };

    NewGameSetup(SetupServices services, GameEngine& engine);

    PlayerSetup& players() { return m_players; }
    const PlayerSetup& players() const { return m_players; }
    CategorySelection& categories() { return m_categories; }
    const CategorySelection& categories() const { return m_categories; }

    void FormCreate();
    // Each opening: the empty board, a fresh category list, the player layout, the lengths.
    void FormActivate();
    void FlatRadioButtonClick(int playerCount);
    // Cancel or close: the background music stops.
    void AbbrechenButtonClick();

    // MaxCombo's entries and the one selected after every rebuild.
    const QStringList& gameLengthEntries() const { return m_gameLengths; }
    int gameLengthIndex() const { return CategorySelection::kDefaultGameLengthIndex; }

    // "OK" with the text of MaxCombo. Refused: a message was shown and the window stays as it
    // is; Failed: the waiting window was shown and the setup is shown again; Started: the game
    // runs.
    StartResult OKButtonClick(const QString& gameLength, SetupProgress* progress);

private:
    void rebuildGameLengths();

    SetupServices m_services;
    GameEngine& m_engine;
    PlayerSetup m_players;
    CategorySelection m_categories;
    QStringList m_gameLengths;
};

}  // namespace trivanto
