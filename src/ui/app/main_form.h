#pragma once

#include <functional>
#include <memory>

#include "core/app/app_paths.h"
#include "ui/widgets/t_shaped_form.h"

class QLabel;

namespace trivanto {

class HelpViewer;
class MessageCatalogue;
class MessageDialog;
class SettingsStore;
class ShellOpener;
class SoundBackend;
class SoundCues;
class TPictureButton;

// What the main window needs from outside; every reference outlives the window.
struct MainFormContext {
    SettingsStore& settings;
    SoundBackend& sound;
    MessageDialog& dialog;
    HelpViewer& help;
    ShellOpener& shell;
    // Filled by the language table after the windows exist; read when a message shows.
    const MessageCatalogue& texts;
    AppPaths paths;
};

// The game's part of the main window. Until a game exists, none is in progress.
struct MainFormGameHooks {
    std::function<bool()> gameInProgress;  // from its start until its end screen
    std::function<bool()> GameSaved;       // no bet since the last save
    std::function<void()> SpielSpeichern;  // offers to save the running game
};

// The windows the buttons open; an empty one shows the "not finished yet" notice.
struct MainFormActions {
    std::function<void()> showSetup;       // NeuesSpielButton, after the offer to save
    std::function<void()> openGame;        // OeffnenButton
    std::function<void()> saveGame;        // SpeichernButton
    std::function<void()> showHighscores;  // BestenlisteButton
    std::function<void()> showEditor;      // FragenkatalogButton
    std::function<void()> showUpdate;      // OnlineupdateButton
    std::function<void()> showInfo;        // Button1
};

// The main window: a 640 x 479 shaped window with the title-bar buttons, the eight large
// buttons, the sound button and the banner. The game board lives on gameLayer(), a transparent
// child that covers the whole window below the buttons, so its controls use window
// coordinates (see main_layout.h): attachBoard() puts a board there.
class TMainForm final : public TShapedForm {
    Q_OBJECT
public:
    explicit TMainForm(MainFormContext context, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Runs at creation: settings defaults, folders, banner, sound setting, title row.
    void FormCreate();

    QWidget* gameLayer() const { return m_gameLayer; }
    // Makes `board` a child of the game layer covering the whole window.
    void attachBoard(QWidget* board);

    void setGameHooks(MainFormGameHooks hooks) { m_game = std::move(hooks); }
    void setActions(MainFormActions actions) { m_actions = std::move(actions); }

    const QString& ProgDir() const { return m_paths.progDir; }
    const QString& WindowsFolder() const { return m_paths.windowsFolder; }
    bool IsOnline = false;
    bool RandomOrder = false;
    // The program's sound player (the cues of the game and of the start).
    SoundCues& mp3() const { return *m_mp3; }

    QLabel* AktuelleFrageLabel() const { return m_questionCounter; }
    // Puts the question counter 20 px right of the title and fits the large buttons'
    // captions; again after the texts change.
    void placeQuestionCounter();

    // The fixed notice for functions that are not there yet.
    void NochNichtFertig();
    // Shutdown with the offer to save a running game.
    void ProgrammBeenden();
    void minimiseApplication();
    void HelpJump(const QString& topic);

    bool gameInProgress() const;

signals:
    // The main window has closed: the message loop ends.
    void FormClose();

protected:
    void formKeyPress(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void loadBanner();
    void fitButtonCaptions();
    void updateSoundPicture();
    void runOrNotFinished(const std::function<void()>& action);
    bool askSaveGame();  // false when the user cancels

    void NeuesSpielButtonClick();
    void BeendenButtonClick();
    void TonButtonClick();
    void ToolbarButton971Click();

    SettingsStore& m_settings;
    MessageDialog& m_dialog;
    HelpViewer& m_help;
    ShellOpener& m_shell;
    SoundBackend& m_sound;
    const MessageCatalogue& m_texts;
    AppPaths m_paths;
    std::unique_ptr<SoundCues> m_mp3;
    MainFormGameHooks m_game;
    MainFormActions m_actions;

    QWidget* m_gameLayer = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_questionCounter = nullptr;
    QLabel* m_banner = nullptr;
    TPictureButton* m_soundButton = nullptr;
    bool m_closing = false;
};

}  // namespace trivanto
