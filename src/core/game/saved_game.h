#pragma once

#include <QString>

#include "core/app/file_dialogs.h"
#include "core/app/services.h"
#include "core/common/result.h"
#include "core/game/game_types.h"
#include "core/game/save_record.h"

namespace trivanto {

class GameEngine;
enum class Msg;

// The record of the game as it stands: its questions, the four seat captions, accounts,
// picture numbers, turn, counts and own pictures (what the seats show). Paths outside
// Windows-1252 are stored as UTF-8, paths and names longer than their field are cut.
TSaveRecord saveRecordOf(const GameEngine& engine);

// A record checked and turned into a game to continue. The counts, the turn, the picture
// numbers of the players and the question list must make a game; anything else is refused
// with the reason. An own picture is looked for at its stored path, then under its file name
// beside the saved game (in `savedGameFolder`); a player whose picture is found nowhere shows
// built-in picture 0, and `picturesFound` turns false.
struct RestoredRecord {
    LoadedGame game;
    bool picturesFound = true;
};
Result<RestoredRecord> restoredGameOf(const TSaveRecord& record, const QString& savedGameFolder);

// How an offer to save ended.
enum class SaveOffer {
    GoOn,       // saved, declined or not needed: the action that offered may go on
    Cancelled,  // the player chose Cancel
    NotSaved,   // "Yes", but the game could not be saved (not at a bet, or the write failed)
};

// Saving and opening games for the main window: the fairness question, the file dialogs,
// the record and its file, the messages. Nothing of the running game changes before a file
// has been read and checked whole.
class SavedGames final {
public:
    SavedGames(const Services& services, GameEngine& engine);

    // "Save Game" and the "Yes" of an offer to save: asks, lets the player choose a file and
    // writes it. True when the game was saved; false when the player declined, cancelled the
    // dialog, when the game cannot be saved now or the file could not be written (the last
    // two after a message).
    bool SpielSpeichern();
    // The offer of "New Game", "Exit" and "Open Game" while a game runs unsaved.
    SaveOffer offerToSave();
    // "Open Game": the offer to save, then SpielLaden unless the player cancelled or the save
    // failed.
    void openGame();
    // Asks, lets the player choose a file, reads and checks it whole, then continues the game.
    // True when a game was loaded.
    bool SpielLaden();

private:
    enum class SaveResult { Saved, Declined, Impossible };
    SaveResult save();
    bool askFairness();
    FileDialogRequest fileRequest(const char* dialogName) const;
    void notice(Msg key, const QString& appended = {});
    int ask(Msg key);

    Services m_services;
    GameEngine& m_engine;
};

}  // namespace trivanto
