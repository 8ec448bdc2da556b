#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <memory>

#include "core/app/services.h"
#include "core/game/game_types.h"

namespace trivanto {

enum class Msg;
class Timer;

// The one game of the main window: board, turn cycle, bets, the three kinds of question,
// countdown, joker and game end. Windows render view() after every changed() and forward the
// players' actions to the operations below; every rule lives here.
//
// The game moves on only through the players' actions and its timers (the countdown, the
// random draw and its pause). While a draw or pause runs (inTransition()), every action is
// refused, so no input can change money, turn or question out of order.
class GameEngine final : public QObject {
    Q_OBJECT

public:
    explicit GameEngine(const Services& services, QObject* parent = nullptr);
    ~GameEngine() override;

    const GameState& state() const { return m_state; }
    const GameView& view() const { return m_view; }
    GamePhase phase() const { return m_phase; }
    bool inTransition() const;
    const WinnersList& winners() const { return m_winners; }
    // The upload completes names, e-mails and ranks of the winners.
    WinnersList& winners() { return m_winners; }
    // Slots 1..N of the running game.
    const GameQuestions& questions() const { return m_questions; }
    bool countdownRunning() const;

    // The empty board.
    void Ursprung();
    // Starts a game from the setup's data and the drawn questions (slot 1 first). False, after
    // a message and with the empty board, when they do not make a game.
    bool NeuesSpiel(const NewGameData& data, GameQuestions questions);
    // Prepares the turn of QuestionNumber: with random order the draw of the player first.
    void FrageStellen();
    void NaechsterZug();
    void AktuellenSpielerAnzeigen();

    // "MAX": the largest allowed bet, put into the bet field; returns that text.
    QString fillMaximumBet();
    // The bet as typed; true when accepted (the question then starts).
    bool EinsatzPruefen(const QString& betText);
    void FrageStarten();
    // The player picks answer k = 1..4.
    void chooseAnswer(int k);
    void AntwortAuswerten();

    // Enter in guess field n (1..4): the next field, or the settlement after the last one.
    void guessEntered(int n, const std::array<QString, kMaxPlayers>& guesses);
    // "Proceed" of the estimation screen; true when the guesses were settled.
    bool SchaetzungAuswerten(const std::array<QString, kMaxPlayers>& guesses);

    // "Proceed" of a result screen: the next turn.
    void proceed();
    // A key press while a result screen takes keys first (view().keyPreview): Enter goes on
    // from every result screen, the estimation result included; other keys leave the screen
    // as it is and keep the shortcut. True when it went on.
    bool resultKeyPressed(bool enter);

    void SpielEnde();
    // The end panel offers to send the finished game to the top fifty (not for a loaded game).
    bool submitOffered() const;
    // The game's result has been sent: the end panel and its button go.
    void hideUploadOffer();

    // A modal question is open over the game: the countdown stands still until the last hold
    // is released, so no time runs out behind the dialog.
    void holdClock();
    void releaseClock();

    // A game can be saved only while a player is about to bet, and a saved game loaded only
    // with no game, at a bet or after the end; never while a draw or its pause runs.
    bool canSave() const { return m_phase == GamePhase::Betting; }
    bool canLoad() const;
    // Continues a saved game at the bet of its question (with random order the player is
    // drawn anew): every bet offer 200, saved, no upload at its end. False, with nothing
    // changed, in the wrong phase or when the game does not fit its questions.
    bool restoreGame(LoadedGame game);
    // A save marks the game saved until the next bet or turn.
    void setGameSaved(bool saved);

signals:
    void changed();
    // Put `text` into the bet field, select all of it and give it the focus.
    void betFieldReset(const QString& text);
    // Empty the four guess fields.
    void guessFieldsCleared();
    void focusRequested(trivanto::FocusTarget target);

private:
    QString msg(Msg key) const;
    // A notice of the catalogue in its dialog shape.
    void showMessage(Msg key);
    QString currency() const;
    const QuestionSlot& currentSlot() const;
    void enter(GamePhase phase);
    void showScreen(Screen screen);
    void showPanel(SidePanel panel);
    void updateAccounts();
    void updateProgress();
    void setSeatEmpty(int seat);
    void seatPlayers(const NewGameData& data);
    void drawTick();
    void drawEnded();
    void turnPrepared();
    void startJoker();
    void countdownTick();
    void startCountdown();
    void stopTimers();

    Services m_services;
    GameState m_state;
    GameView m_view;
    GamePhase m_phase = GamePhase::NoGame;
    WinnersList m_winners;
    GameQuestions m_questions;
    std::unique_ptr<Timer> m_countdownTimer;
    std::unique_ptr<Timer> m_drawTimer;
    int m_drawFlickers = 0;
    int m_holds = 0;
};

}  // namespace trivanto
