#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>

#include "core/game/game_types.h"

class QKeyEvent;
class QLabel;
class QPushButton;

namespace trivanto {

class GameEngine;
class TDotMatrixLabel;
class TFlatButton;
class TSelectAllEdit;

// The main window's game area: the four seats, the current-player frame, the three panels of
// the left column, the question area and the countdown. It renders the engine's view after
// every change and forwards clicks and keys; it decides nothing itself. The board covers the
// whole main window, so its controls sit at window coordinates.
//
// Keyboard: when a screen opens, the focus goes where the next key belongs (the answer area of
// a question, "Proceed" of a result screen, the submit button of the end panel); the bet and
// guess fields get it when the engine asks.
class TGameBoard final : public QWidget {
    Q_OBJECT

public:
    explicit TGameBoard(GameEngine& engine, QWidget* parent = nullptr);

    // "Submit Game to the Top50" on the end panel.
    void setSubmitAction(std::function<void()> action) { m_submit = std::move(action); }

    // Shows the engine's present state.
    void render();

    // The keys 1 to 4 (also on the keypad) press that answer button while the answers are
    // shown; true when the key was used. The window passes its keys here first.
    bool answerKey(const QKeyEvent& event);

    // The current guesses as typed.
    std::array<QString, kMaxPlayers> guesses() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSeats();
    void buildPanels();
    void buildQuestionArea();
    void buildResults();
    void connectEngine();
    void renderSeats(const GameView& view);
    void renderQuestionArea(const GameView& view);
    void announceResult();
    void betEntered();
    void focusTarget(FocusTarget target);
    void placeFocus(const GameView& view);

    GameEngine& m_engine;
    std::function<void()> m_submit;

    struct Seat {
        QLabel* picture = nullptr;
        QLabel* name = nullptr;
        QLabel* caption = nullptr;
        TDotMatrixLabel* display = nullptr;
        SeatPicture shown;
        bool hasPicture = false;
    };
    std::array<Seat, kMaxPlayers> m_seats;
    QLabel* m_rahmen = nullptr;

    QWidget* m_betPanel = nullptr;
    QLabel* m_currentPlayer = nullptr;
    TSelectAllEdit* m_bet = nullptr;
    QWidget* m_goOnPanel = nullptr;
    QPushButton* m_goOn = nullptr;
    QWidget* m_endPanel = nullptr;
    QLabel* m_endText = nullptr;
    QPushButton* m_submitButton = nullptr;

    QLabel* m_question = nullptr;
    QLabel* m_question2 = nullptr;
    QWidget* m_answerPanel = nullptr;
    std::array<TFlatButton*, 4> m_answers{};
    QWidget* m_guessPanel = nullptr;
    std::array<QLabel*, kMaxPlayers> m_guessLabels{};
    std::array<TSelectAllEdit*, kMaxPlayers> m_guessFields{};
    QWidget* m_guessOkPanel = nullptr;
    TDotMatrixLabel* m_countdown = nullptr;

    QLabel* m_rightImage = nullptr;
    QLabel* m_wrongImage = nullptr;
    QLabel* m_rightAnswerCaption = nullptr;
    QLabel* m_rightAnswer = nullptr;
    QLabel* m_jokerImage = nullptr;
    QLabel* m_jokerText = nullptr;
    QLabel* m_estimationImage = nullptr;
    QLabel* m_exactAnswer = nullptr;
    QLabel* m_closest = nullptr;
    QLabel* m_endImage = nullptr;
    QLabel* m_winner = nullptr;
    QLabel* m_footnote = nullptr;

    QString m_announced;  // the result last told to screen readers

    // The screen and panel the focus was last placed for.
    Screen m_focusScreen = Screen::XUnsichtbar;
    SidePanel m_focusPanel = SidePanel::None;
};

}  // namespace trivanto
