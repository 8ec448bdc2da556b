#pragma once

#include <QString>
#include <array>
#include <vector>

#include "core/questions/question_file.h"

namespace trivanto {

inline constexpr int kMaxPlayers = 4;
inline constexpr int kPictureCount = 10;  // the built-in player pictures 0..9
inline constexpr qint32 kStartAccount = 1000;
inline constexpr qint32 kStartBet = 200;

// What a seat shows: the empty-seat placeholder, one of the ten built-in pictures or a
// picture file of the player's own.
struct SeatPicture {
    enum class Kind { Placeholder, BuiltIn, OwnFile };
    Kind kind = Kind::Placeholder;
    int index = 0;  // built-in picture 0..9; with an own file the player's built-in number
    QString path;   // own picture file

    static SeatPicture placeholder() { return {}; }
    static SeatPicture builtIn(int index) { return {Kind::BuiltIn, index, {}}; }
    static SeatPicture ownFile(const QString& path, int index = 0) {
        return {Kind::OwnFile, index, path};
    }
    bool operator==(const SeatPicture&) const = default;
};

// Everything the setup hands to a new game besides the game question list file.
struct NewGameData {
    int PlayerCount = 1;
    int QuestionsPerPlayer = 20;
    bool RandomOrder = false;
    std::array<QString, kMaxPlayers> names;
    std::array<SeatPicture, kMaxPlayers> pictures;
};

// A game continued from a saved game, checked and with its pictures found: the players,
// their seats' captions (all four), accounts, the turn it stands at and its questions.
struct LoadedGame {
    NewGameData data;
    std::array<qint32, kMaxPlayers> Account{};
    int QuestionNumber = 1;
    int CurrentPlayer = 1;
    std::vector<QuestionSlot> questions;  // slots 1..N
};

// The rule state of the one running game.
struct GameState {
    int PlayerCount = 1;
    int QuestionsPerPlayer = 20;
    bool RandomOrder = false;
    std::array<qint32, kMaxPlayers> Account{};
    std::array<qint32, kMaxPlayers> LastBet{kStartBet, kStartBet, kStartBet, kStartBet};
    int QuestionNumber = 1;
    int CurrentPlayer = 1;
    QuestionKind CurrentKind = QuestionKind::MultipleChoice;
    bool GameSaved = false;
    bool UploadAllowed = false;
    // Per turn.
    qint32 Bet = 0;  // the accepted bet
    bool AnswerCorrect = false;
    int Countdown = 0;
    int JokerOutcome = 0;
    qint32 JokerAccount = 0;

    int totalQuestions() const { return PlayerCount * QuestionsPerPlayer; }
    bool operator==(const GameState&) const = default;
    qint32& account(int player) { return Account[static_cast<std::size_t>(player - 1)]; }
    qint32 account(int player) const { return Account[static_cast<std::size_t>(player - 1)]; }
};

// The winners of the last finished game; the upload completes names, e-mails and ranks.
struct WinnersList {
    int WinnerCount = 0;
    std::array<QString, kMaxPlayers> WinnerName;
    std::array<qint32, kMaxPlayers> WinnerScore{-1, -1, -1, -1};
    std::array<QString, kMaxPlayers> WinnerEMail;
    std::array<int, kMaxPlayers> WinnerSeat{-1, -1, -1, -1};
    std::array<int, kMaxPlayers> WinnerRank{-1, -1, -1, -1};
};

// Where the game stands. Drawing and DrawPause are transitions that a timer ends: while one
// lasts, no action of a player is taken.
enum class GamePhase {
    NoGame,     // the empty board
    Drawing,    // the random draw of the next player: the frame flickers
    DrawPause,  // the pause after the draw (only with sound on)
    Betting,    // the bet panel is up
    Answering,  // a multiple-choice question with its countdown
    Guessing,   // an estimation question: every player types a guess
    Result,     // a result screen with "Proceed"
    GameOver,   // the end screen
};

// The questions of one game, slots 1..N as plain texts.
using GameQuestions = std::vector<QuestionSlot>;

// The screen states of the question area; each shows its own elements only.
enum class Screen {
    XUnsichtbar,
    XFrage,
    XSchaetzfrage,
    XRichtig,
    XFalsch,
    XJoker,
    XSchaetzfrageExakt,
    XEnde,
};

// The three panels of the left column; at most one is visible.
enum class SidePanel { None, PanelGeldsetzen, PanelWeiter, PanelOnlineupdate };

// Where the engine wants the keyboard focus.
enum class FocusTarget { BetField, GuessField1, GuessField2, GuessField3, GuessField4 };

struct SeatView {
    QString name;
    bool taken = false;  // white when taken, red when empty
    QString accountText = QStringLiteral("0");
    SeatPicture picture;
    bool operator==(const SeatView&) const = default;
};

// The main window's game area as plain data: a window renders this and nothing else.
struct GameView {
    std::array<SeatView, kMaxPlayers> seats;

    bool frameVisible = false;  // ImageRahmen
    int frameSeat = 1;

    bool headLineVisible = false;  // AktuelleFrageLabel
    QString headLine;

    SidePanel panel = SidePanel::None;
    QString currentPlayerName;  // AktuellerSpielerLabel
    QString betText;            // Geldsetzen, as last set by the engine

    Screen screen = Screen::XUnsichtbar;
    QString questionText;  // FrageLabel and FrageLabel2
    std::array<QString, 4> answers;
    QString rightAnswerText;  // RichtigeAntwortLabel2
    QString jokerText;        // JokerTextLabel; holds a "\r" line break
    QString exactAnswerText;  // ExakteAntwortLabel
    QString closestText;      // NahDran
    QString winnerText;       // GewinnerLabel
    QString footnoteText;     // hinweislabel

    QString endPanelText;  // Label5 of PanelOnlineupdate
    bool submitVisible = false;

    bool countdownVisible = false;  // Label3
    QString countdownText;

    std::array<QString, kMaxPlayers> guessLabels;  // SchaetzungLabelSpieler1..4
    int guessFieldCount = 2;

    bool saveEnabled = false;  // "Save Game"
    bool openEnabled = true;   // "Open Game"
    bool keyPreview = false;   // the window takes key presses before its controls
    bool enterProceeds = false;
    bool inTransition = false;  // a draw or pause runs: no action is taken

    bool gameSaved = false;
    bool uploadAllowed = false;
    bool gameInProgress = false;
    bool operator==(const GameView&) const = default;
};

}  // namespace trivanto
