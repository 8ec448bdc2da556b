#pragma once

#include <array>
#include <functional>
#include <memory>

#include "core/app/services.h"
#include "core/game/saved_game.h"
#include "ui/widgets/t_shaped_form.h"

class QLabel;
class QMovie;

namespace trivanto {

class TPictureButton;

// The game's part of the main window. Until a game exists, none is in progress.
struct MainFormGameHooks {
    std::function<bool()> gameInProgress;    // from its start until its end screen
    std::function<SaveOffer()> offerToSave;  // New Game and Exit while a game runs unsaved
    std::function<void()> SpielSpeichern;    // SpeichernButton
    std::function<void()> openGame;          // OeffnenButton: the offer to save, then loading
    // A draw, a pause or a game start is under way: New Game, Open, Save and Exit are
    // refused until it has ended, so nothing can act on a half-made turn.
    std::function<bool()> busy;
};

// The windows the buttons open; an empty one shows the "not finished yet" notice.
struct MainFormActions {
    std::function<void()> showSetup;       // NeuesSpielButton, after the offer to save
    std::function<void()> showHighscores;  // BestenlisteButton
    std::function<void()> showEditor;      // FragenkatalogButton
    std::function<void()> showUpdate;      // OnlineupdateButton
    std::function<void()> showInfo;        // Button1
    // Before the program ends: an open window with unsaved work asks its user first; false
    // when the user chose to stay.
    std::function<bool()> confirmQuit;
};

// The main window: a 640 x 479 shaped window with the title-bar buttons, the eight large
// buttons, the sound button and the banner. The game board lives on gameLayer(), a transparent
// child that covers the whole window below the buttons, so its controls use window
// coordinates (see main_layout.h): attachBoard() puts a board there.
class TMainForm final : public TShapedForm {
    Q_OBJECT
public:
    explicit TMainForm(const Services& services, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Runs at creation: banner, sound setting, title row. The application has prepared the
    // settings' defaults before.
    void FormCreate();
    // Shows "banner.dat" of the program folder in the banner area, animated pictures playing
    // in a loop; a missing or unusable file leaves the area empty.
    void loadBanner();

    QWidget* gameLayer() const { return m_gameLayer; }
    // Makes `board` a child of the game layer covering the whole window.
    void attachBoard(QWidget* board);

    void setGameHooks(MainFormGameHooks hooks) { m_game = std::move(hooks); }
    void setActions(MainFormActions actions) { m_actions = std::move(actions); }

    // The game's head line ("Question 3 of 20") beside the title.
    void showQuestionCounter(const QString& text, bool visible);
    // "Open Game" and "Save Game" as the game allows them.
    void enableGameFiles(bool open, bool save);
    QLabel* AktuelleFrageLabel() const { return m_questionCounter; }
    // Puts the question counter 20 px right of the title and fits the large buttons'
    // captions; again after the texts change.
    void placeQuestionCounter();

    // The fixed notice for functions that are not there yet.
    void NochNichtFertig();
    // Shutdown with the offer to save a running game.
    void ProgrammBeenden();
    void minimiseApplication();
    // Brings back every window minimiseApplication() minimised.
    void restoreApplication();
    void HelpJump(const QString& topic);

    bool gameInProgress() const;
    bool busy() const;

signals:
    // The main window has closed: the message loop ends.
    void FormClose();

protected:
    void formKeyPress(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    // Fits the large buttons' captions when the window is about to show: each size tried loads
    // a font of its own, and the layout's German captions are replaced before the first show.
    void fitButtonCaptions();
    void fitButtonCaptionsNow();
    void updateSoundPicture();
    void runOrNotFinished(const std::function<void()>& action);
    SaveOffer offerToSave();

    void NeuesSpielButtonClick();
    void BeendenButtonClick();
    void TonButtonClick();
    void ToolbarButton971Click();

    Services m_services;
    MainFormGameHooks m_game;
    MainFormActions m_actions;

    QWidget* m_gameLayer = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_questionCounter = nullptr;
    QLabel* m_banner = nullptr;
    QMovie* m_bannerMovie = nullptr;  // while an animated banner plays
    TPictureButton* m_soundButton = nullptr;
    std::array<TPictureButton*, 8> m_largeButtons{};
    TPictureButton* m_newGameButton = nullptr;
    TPictureButton* m_openButton = nullptr;
    TPictureButton* m_saveButton = nullptr;
    TPictureButton* m_exitButton = nullptr;
    bool m_closing = false;
    bool m_captionsToFit = false;
};

}  // namespace trivanto
