#pragma once

#include <QObject>
#include <QTranslator>
#include <memory>
#include <optional>

#include "core/app/app_environment.h"
#include "core/app/online_services.h"
#include "core/app/services.h"
#include "core/lang/message_catalogue.h"

namespace trivanto {

class BannerUpdater;
class ConnectionManager;
class ConnectionWatch;
class FensterNachVorn;
class GameEngine;
class HallOfFame;
class MainGame;
class NewGameSetup;
class OnlineState;
class QuestionEditor;
class ScoreUpload;
class SavedGames;
class SettingsSaver;
class SingleInstanceGuard;
class SoundCues;
class TBestenlisteForm;
class TEditorForm;
class TFragendateiOeffnenForm;
class TNeueFragendateiForm;
class TSuchenForm;
class TFehlermeldungForm;
class TGrauform;
class THelpViewer;
class TInfoForm;
class TMainForm;
class TOnlineupdateForm;
class TOnlinehighscoreForm;
class TRASForm;
class TSprachform;
class TSpielerForm;
class TStartscreenForm;
class TTopList;
class TWartenForm;

// The application: runs the start-up (single instance, colour depth, splash, every window
// created once in a fixed order, language, connection check, write test), then the message
// loop until the main window closes. It owns every shared service (the catalogue, the sound
// cues, the game engine, the new-game setup, the saved games, the HTTP client,
// IsOnline, the connection manager and its watch, the banner, and the seams from the
// AppEnvironment) and every window, and hands each window what it needs: Services to all,
// OnlineServices to those that talk to a server. Tests build the whole program in-process
// against fakes.
class TrivantoApp final : public QObject {
    Q_OBJECT
public:
    explicit TrivantoApp(AppEnvironment environment, QObject* parent = nullptr);
    ~TrivantoApp() override;

    // The start-up up to the message loop. False when the program ends before it (a second
    // copy, too few colours, an unusable program folder); exitCode() then holds the result.
    bool start();
    // start() and, when it succeeded, the message loop; returns the process's exit code.
    int run();

    int exitCode() const { return m_exitCode; }
    // True once the main window has closed.
    bool isFinished() const { return m_finished; }

    // Every message of the program goes through this: the environment's dialog if it brought
    // one, else the program's own TFehlermeldungForm. While it shows, the game's clock stands.
    MessageDialog& dialog();
    // A catalogue notice in its dialog shape.
    void notice(Msg key);
    HelpViewer& help();
    const MessageCatalogue& catalogue() const { return m_catalogue; }
    const AppEnvironment& environment() const { return m_env; }

    // The shared services; they exist once the windows are created.
    GameEngine* engine() const { return m_engine.get(); }
    NewGameSetup* setup() const { return m_setup.get(); }
    SavedGames* savedGames() const { return m_savedGames.get(); }
    SoundCues* soundCues() const { return m_sound.get(); }
    // What the windows that go on line are given (see OnlineServices).
    const OnlineServices& onlineServices() const { return *m_onlineServices; }
    OnlineState* onlineState() const { return m_online.get(); }
    ConnectionManager* connectionManager() const { return m_connections.get(); }
    ConnectionWatch* connectionWatch() const { return m_watch.get(); }
    BannerUpdater* banner() const { return m_banner.get(); }
    // The weekly top fifty: the list the wizard fetches and the high-score window shows.
    TTopList* topList() const { return m_topList.get(); }
    HallOfFame* hallOfFame() const { return m_hallOfFame.get(); }
    ScoreUpload* scoreUpload() const { return m_scoreUpload.get(); }
    SettingsSaver* settingsSaver() const { return m_saver.get(); }

    TMainForm* mainForm() const { return m_main.get(); }
    TFehlermeldungForm* messageForm() const { return m_message.get(); }
    TInfoForm* infoForm() const { return m_info.get(); }
    THelpViewer* helpWindow() const { return m_help.get(); }
    TGrauform* grauform() const { return m_grau.get(); }
    TWartenForm* wartenForm() const { return m_warten.get(); }
    FensterNachVorn* windowOrder() const { return m_order.get(); }
    MainGame* game() const { return m_game.get(); }
    TSpielerForm* spielerForm() const { return m_spieler.get(); }
    TRASForm* rasForm() const { return m_ras.get(); }
    TOnlineupdateForm* onlineupdateForm() const { return m_onlineupdate.get(); }
    TOnlinehighscoreForm* onlinehighscoreForm() const { return m_onlinehighscore.get(); }
    TBestenlisteForm* bestenlisteForm() const { return m_bestenliste.get(); }
    TEditorForm* editorForm() const { return m_editor.get(); }
    TSuchenForm* suchenForm() const { return m_suchen.get(); }
    TNeueFragendateiForm* neueFragendateiForm() const { return m_neueFragendatei.get(); }
    TFragendateiOeffnenForm* fragendateiOeffnenForm() const { return m_fragendateiOeffnen.get(); }
    QuestionEditor* questionEditor() const { return m_questionEditor.get(); }

private:
    class DialogProxy;
    class HelpProxy;

    bool end(int exitCode);
    int colourDepth() const;
    void createServices();
    void createOnlineServices();
    void createScoreServices();
    void sendGameToTopList();
    void restoreProgram();
    void createWindows();
    void applyLanguage();
    void checkConnection();
    void writeTest();
    void onMainFormClosed();
    // F11: full screen from the next start, or back to the window size before it.
    void toggleFullScreen();

    AppEnvironment m_env;
    MessageCatalogue m_catalogue;
    std::unique_ptr<DialogProxy> m_dialogProxy;
    std::unique_ptr<HelpProxy> m_helpProxy;
    std::unique_ptr<FileDialogs> m_fileDialogs;  // when the environment brings none
    std::unique_ptr<SingleInstanceGuard> m_guard;
    std::unique_ptr<QTranslator> m_qtTranslations;  // Qt's own texts in German
    std::unique_ptr<TStartscreenForm> m_splash;
    int m_depth = 0;

    // The shared services, built after the settings' defaults exist, in this order.
    std::unique_ptr<SettingsSaver> m_saver;
    std::unique_ptr<SoundCues> m_sound;
    std::optional<Services> m_services;
    std::unique_ptr<GameEngine> m_engine;
    std::unique_ptr<NewGameSetup> m_setup;
    std::unique_ptr<SavedGames> m_savedGames;
    std::unique_ptr<QuestionEditor> m_questionEditor;  // the category the editor holds
    // The network and the connection: IsOnline is false from the main window's creation on,
    // the banner's 30-second timer runs from the start, the poll from TRASForm's creation.
    std::unique_ptr<HttpClient> m_ownNetwork;  // when the environment brings none
    std::unique_ptr<OnlineState> m_online;
    std::unique_ptr<ConnectionManager> m_connections;
    std::unique_ptr<BannerUpdater> m_banner;
    std::unique_ptr<ConnectionWatch> m_watch;
    std::optional<OnlineServices> m_onlineServices;
    // The top fifty and the models of its two windows, on the network and the winners list.
    std::unique_ptr<TTopList> m_topList;
    std::unique_ptr<HallOfFame> m_hallOfFame;
    std::unique_ptr<ScoreUpload> m_scoreUpload;

    // The windows in their order of creation; members end in reverse order, so every window
    // goes before the services it was given.
    std::unique_ptr<TMainForm> m_main;
    std::unique_ptr<MainGame> m_game;
    std::unique_ptr<TSprachform> m_sprach;
    std::unique_ptr<TOnlineupdateForm> m_onlineupdate;
    std::unique_ptr<TOnlinehighscoreForm> m_onlinehighscore;
    std::unique_ptr<TBestenlisteForm> m_bestenliste;
    std::unique_ptr<TWartenForm> m_warten;
    std::unique_ptr<TFehlermeldungForm> m_message;
    std::unique_ptr<TSpielerForm> m_spieler;
    std::unique_ptr<TEditorForm> m_editor;
    std::unique_ptr<TSuchenForm> m_suchen;
    std::unique_ptr<TNeueFragendateiForm> m_neueFragendatei;
    std::unique_ptr<TFragendateiOeffnenForm> m_fragendateiOeffnen;
    std::unique_ptr<FensterNachVorn> m_order;
    std::unique_ptr<TGrauform> m_grau;
    std::unique_ptr<TRASForm> m_ras;
    std::unique_ptr<TInfoForm> m_info;
    std::unique_ptr<THelpViewer> m_help;

    int m_exitCode = 0;
    bool m_finished = false;
    bool m_inLoop = false;
};

}  // namespace trivanto
