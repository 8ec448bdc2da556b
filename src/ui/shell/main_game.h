#pragma once

#include <QObject>

namespace trivanto {

class GameEngine;
class NewGameSetup;
class SavedGames;
class TGameBoard;
class TMainForm;

// The game on the main window: puts the board on the main window's game layer, keeps the
// window's head line and file buttons in step with the engine, answers the main window's game
// hooks (offer to save, busy while a draw or game start runs) and passes the window's keys to
// the board and the engine. The engine, the setup and the saved games belong to the
// application.
class MainGame final : public QObject {
    Q_OBJECT

public:
    MainGame(TMainForm& main, GameEngine& engine, NewGameSetup& setup, SavedGames& savedGames,
             QObject* parent = nullptr);
    ~MainGame() override;

    TGameBoard* board() const { return m_board; }

    // The language table has run: the empty board again, now with its texts.
    void languageApplied();

private:
    void renderFrame();

    TMainForm& m_main;
    GameEngine& m_engine;
    NewGameSetup& m_setup;
    SavedGames& m_savedGames;
    TGameBoard* m_board = nullptr;
};

}  // namespace trivanto
