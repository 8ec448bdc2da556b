#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <memory>

#include "core/game/game_types.h"
#include "core/questions/question_file.h"

namespace trivanto {

class Clock;
enum class Msg;
class MessageCatalogue;
class MessageDialog;
class RandomSource;
class SettingsStore;
class SoundCues;

// The seams and places the engine works with.
struct GameServices {
    SettingsStore& settings;
    Clock& clock;
    RandomSource& random;
    MessageDialog& dialog;
    SoundCues& sound;
    const MessageCatalogue& catalogue;
    QString windowsFolder;  // where the setup writes "game.log"
};

// The one game of the main window: board, turn cycle, bets, the three kinds of question,
// countdown, joker and game end. Windows render view() after every changed() and forward
// clicks and keys to the operations below; every rule lives here.
class GameEngine final : public QObject {
    Q_OBJECT

public:
    explicit GameEngine(GameServices services, QObject* parent = nullptr);
    ~GameEngine() override;

    const GameState& state() const { return m_state; }
    const GameView& view() const { return m_view; }
    const WinnersList& winners() const { return m_winners; }
    // The upload completes names, e-mails and ranks of the winners.
    WinnersList& winners() { return m_winners; }
    const TQuestionFile& questionList() const { return *m_questions; }
    bool countdownRunning() const { return m_countdownActive; }

    // The empty board.
    void Ursprung();
    // Starts a game from the setup's data and "game.log" in the windows folder; false (after
    // a message, with the empty board) when the file cannot be read.
    bool NeuesSpiel(const NewGameData& data);
    // Prepares the turn of QuestionNumber: player, texts, bet panel.
    void FrageStellen();
    void NaechsterZug();
    void AktuellenSpielerAnzeigen();

    // "MAX": the largest allowed bet, put into the bet field; returns that text.
    QString FlatButton1Click();
    // The bet as typed; true when accepted (the question then starts).
    bool EinsatzPruefen(const QString& betText);
    void FrageStarten();
    // Answer button k = 1..4.
    void AntwortButtonClick(int k);
    void AntwortAuswerten();
    // The one-second tick; public so tests drive it without waiting.
    void countdowntimerTimer();

    // Enter in guess field n (1..4): the next field, or the settlement after the last one.
    void SchaetzungSpielerEnter(int n, const std::array<QString, kMaxPlayers>& guesses);
    // "Proceed" of the estimation screen; true when the guesses were settled.
    bool SchaetzungAuswerten(const std::array<QString, kMaxPlayers>& guesses);

    void GoOnClick();
    // A key press while view().keyPreview; true when the key was used (Enter went on).
    bool FormKeyPress(int key);

    void SpielEnde();

    // For saved games: a save or load marks the game saved until the next bet or turn; a
    // loaded game may not be uploaded.
    void setGameSaved(bool saved);
    void setUploadAllowed(bool allowed);

    static int frameLeft(int seat);

signals:
    void changed();
    // Put `text` into the bet field, select all of it and give it the focus.
    void betFieldReset(const QString& text);
    // Empty the four guess fields.
    void guessFieldsCleared();
    void focusRequested(trivanto::FocusTarget target);

private:
    QString msg(Msg key) const;
    void showScreen(Screen screen);
    void showPanel(SidePanel panel);
    void updateAccounts();
    void updateProgress();
    void setSeatEmpty(int seat);
    void startJoker();
    void startCountdown();
    void stopCountdown();
    QString currency() const;

    GameServices m_services;
    GameState m_state;
    GameView m_view;
    WinnersList m_winners;
    std::unique_ptr<TQuestionFile> m_questions;
    QTimer m_countdownTimer;
    bool m_countdownActive = false;
};

}  // namespace trivanto
