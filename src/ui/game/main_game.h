#pragma once

#include <QObject>
#include <memory>

namespace trivanto {

class Clock;
class GameEngine;
class MessageCatalogue;
class MessageDialog;
class RandomSource;
class SettingsStore;
class TGameBoard;
class TMainForm;

// The game on the main window: the one engine, its board on the main window's game layer,
// the game hooks of the shutdown and "New Game", and the Enter shortcut of the result screens.
class MainGame final : public QObject {
    Q_OBJECT

public:
    struct Services {
        SettingsStore& settings;
        Clock& clock;
        RandomSource& random;
        MessageDialog& dialog;
        const MessageCatalogue& catalogue;
    };

    MainGame(TMainForm& main, Services services, QObject* parent = nullptr);
    ~MainGame() override;

    GameEngine& engine() { return *m_engine; }
    TGameBoard* board() const { return m_board; }

    // The language table has run: the empty board again, now with its texts.
    void languageApplied();

private:
    TMainForm& m_main;
    std::unique_ptr<GameEngine> m_engine;
    TGameBoard* m_board = nullptr;
};

}  // namespace trivanto
