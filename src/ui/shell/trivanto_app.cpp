#include "ui/shell/trivanto_app.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QShortcut>
#include <QTimer>
#include <cstdio>

#include "core/app/first_start.h"
#include "core/app/program_folder_seed.h"
#include "core/app/settings_saver.h"
#include "core/app/single_instance.h"
#include "core/app/zoom.h"
#include "core/common/file_path.h"
#include "core/common/save_file.h"
#include "core/editor/question_editor.h"
#include "core/game/game_engine.h"
#include "core/game/saved_game.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_shapes.h"
#include "core/net/connection_manager.h"
#include "core/net/connection_watch.h"
#include "core/net/online_state.h"
#include "core/net/program_network.h"
#include "core/scores/hall_of_fame.h"
#include "core/scores/score_upload.h"
#include "core/scores/top_list.h"
#include "core/setup/new_game_setup.h"
#include "core/update/banner_update.h"
#include "core/update/ini_document.h"
#include "ui/about/game_info.h"
#include "ui/about/info_form.h"
#include "ui/about/startscreen_form.h"
#include "ui/common/fehlermeldung_form.h"
#include "ui/common/fenster_nach_vorn.h"
#include "ui/common/grauform.h"
#include "ui/common/help_window.h"
#include "ui/common/qt_file_dialogs.h"
#include "ui/common/qt_translations.h"
#include "ui/common/warten_form.h"
#include "ui/common/window_text_applier.h"
#include "ui/editor/editor_form.h"
#include "ui/editor/fragendatei_oeffnen_form.h"
#include "ui/editor/neue_fragendatei_form.h"
#include "ui/editor/suchen_form.h"
#include "ui/game/game_board.h"
#include "ui/online/ras_form.h"
#include "ui/scores/bestenliste_form.h"
#include "ui/scores/onlinehighscore_form.h"
#include "ui/setup/spieler_form.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_game.h"
#include "ui/shell/sprachform.h"
#include "ui/update/onlineupdate_form.h"
#include "ui/widgets/polish_on_show.h"

namespace trivanto {

namespace {

const QString kTitle = QStringLiteral("Trivanto 1.04");
constexpr int kSplashMs = 3000;

}  // namespace

// The main window is created before the message dialog and the help window; these forward
// to whichever implementation exists once they are used.
// While a message shows, the game's clock stands: no countdown runs out behind a question.
class TrivantoApp::DialogProxy final : public MessageDialog {
public:
    MessageDialog* target = nullptr;
    GameEngine* game = nullptr;
    int show(const MessageRequest& request) override {
        if (target == nullptr) {
            return AnswerCancel;
        }
        if (game != nullptr) {
            game->holdClock();
        }
        const int answer = target->show(request);
        if (game != nullptr) {
            game->releaseClock();
        }
        return answer;
    }
};

class TrivantoApp::HelpProxy final : public HelpViewer {
public:
    HelpViewer* target = nullptr;
    void HelpJump(const QString& topic) override {
        if (target != nullptr) {
            target->HelpJump(topic);
        }
    }
};

TrivantoApp::TrivantoApp(AppEnvironment environment, QObject* parent)
    : QObject(parent),
      m_env(std::move(environment)),
      m_catalogue(m_env.servers.updateHost),
      m_dialogProxy(std::make_unique<DialogProxy>()),
      m_helpProxy(std::make_unique<HelpProxy>()) {
    m_dialogProxy->target = m_env.messageDialog;
    m_helpProxy->target = m_env.helpViewer;
}

TrivantoApp::~TrivantoApp() {
    // A message dialog shown at shutdown must not reach back into the ending engine.
    m_dialogProxy->game = nullptr;
}

MessageDialog& TrivantoApp::dialog() {
    return *m_dialogProxy;
}
HelpViewer& TrivantoApp::help() {
    return *m_helpProxy;
}

void TrivantoApp::notice(Msg key) {
    dialog().show(catalogueMessage(m_catalogue, key));
}

bool TrivantoApp::end(int exitCode) {
    m_exitCode = exitCode;
    m_splash.reset();
    return false;
}

int TrivantoApp::colourDepth() const {
    if (m_env.colourDepth) {
        return m_env.colourDepth();
    }
    return m_splash ? m_splash->GameInfo1.BitsPixel
                    : TGameInfo::collect(m_env.paths.windowsFolder).BitsPixel;
}

bool TrivantoApp::start() {
    // 1-3: title, splash window with the system facts, language. Without the splash nothing
    // of it is built.
    QGuiApplication::setApplicationDisplayName(kTitle);
    if (!m_env.options.noSplash) {
        m_splash = std::make_unique<TStartscreenForm>(m_env.paths.windowsFolder, m_env.language);
    }

    // 4: one copy per user.
    m_guard = std::make_unique<SingleInstanceGuard>(m_env.paths.lockDir);
    if (!m_guard->tryAcquire()) {
        const QString& problem = m_guard->problem();
        if (!problem.isEmpty()) {
            m_env.plainMessages->show(kTitle, lockUnusableText(m_env.language, problem));
            return end(1);
        }
        m_env.plainMessages->show(kTitle, alreadyRunningText(m_env.language));
        return end(0);
    }

    // 5: a 16-colour screen ends the program before anything else is created.
    m_depth = colourDepth();
    if (m_depth > 0 && m_depth < 8) {
        m_env.plainMessages->show(kTitle, needColoursText(m_env.language));
        return end(0);
    }

    // 6: the splash, painted at once and kept while events go on.
    if (m_splash) {
        m_splash->show();
        m_splash->repaint();
        m_env.clock->splashWait(kSplashMs);
    }

    // An installed game brings its shipped data into the user's own program folder; what it
    // cannot copy is named on standard error, and the write test below warns of a folder it
    // cannot write at all.
    if (!m_env.paths.shippedDir.isEmpty()) {
        const SeedOutcome seeded = seedProgramFolder(m_env.paths.shippedDir, m_env.paths.progDir);
        for (const QString& problem : seeded.problems) {
            std::fprintf(stderr, "Trivanto: %s\n", qPrintable(problem));
        }
    }

    if (!QDir::setCurrent(m_env.paths.progDir)) {
        m_env.plainMessages->show(kTitle,
                                  QStringLiteral("Trivanto cannot use its program folder %1.")
                                      .arg(QDir::toNativeSeparators(m_env.paths.progDir)));
        return end(1);
    }

    createServices();   // the main window's creation prepares the settings
    createWindows();    // 7
    applyLanguage();    // 8
    polishWhenShown();  // each window that is not on screen yet
    checkConnection();  // 9

    // 10: 256 colours is a warning only.
    if (m_depth == 8) {
        notice(Msg::MsgNeedTrueColor);
    }
    m_splash.reset();  // 11
    writeTest();       // 12
    // The defaults of the start are the first write: a disk that refuses them is told now,
    // before a game's result could be lost.
    m_saver->save();
    return true;
}

void TrivantoApp::createServices() {
    prepareStartSettings(*m_env.settings, m_env.paths.progDir);
    m_saver = std::make_unique<SettingsSaver>(*m_env.settings, dialog(), m_catalogue);
    // The cues read the sound setting, so they start after the defaults exist.
    m_sound = std::make_unique<SoundCues>(*m_env.settings, *m_env.sound, m_env.paths.progDir);
    FileDialogs* files = m_env.fileDialogs;
    if (files == nullptr) {
        m_fileDialogs = std::make_unique<QtFileDialogs>();
        files = m_fileDialogs.get();
    }
    m_services.emplace(Services{*m_env.settings, *m_saver, *m_env.clock, *m_env.random, dialog(),
                                help(), *m_env.shell, *files, *m_sound, m_catalogue, m_env.paths});
    m_engine = std::make_unique<GameEngine>(*m_services);
    m_dialogProxy->game = m_engine.get();
    m_setup = std::make_unique<NewGameSetup>(*m_services, *m_engine);
    m_savedGames = std::make_unique<SavedGames>(*m_services, *m_engine);
    m_questionEditor = std::make_unique<QuestionEditor>(
        EditorServices{dialog(), m_catalogue, *m_env.clock, m_env.paths.progDir});
    createOnlineServices();
}

void TrivantoApp::createOnlineServices() {
    HttpClient* network = m_env.network;
    if (network == nullptr) {
        m_ownNetwork = makeProgramNetwork();
        network = m_ownNetwork.get();
    }
    m_online = std::make_unique<OnlineState>();  // off line until a connection is found
    m_connections = std::make_unique<ConnectionManager>(
        *m_env.connections, *m_online, *m_env.clock, dialog(), *m_env.plainMessages, m_catalogue);
    m_banner = std::make_unique<BannerUpdater>(*network, *m_env.clock, *m_online, m_catalogue,
                                               m_env.paths.progDir);
    ConnectionWatch::BannerHooks banner;
    banner.settled = [this] { return m_banner->settled(); };
    banner.start = [this] { m_banner->BannerUpdate(); };
    m_watch = std::make_unique<ConnectionWatch>(*m_connections, *m_online, *m_env.clock,
                                                std::move(banner));
    m_onlineServices.emplace(OnlineServices{*network, *m_online, *m_connections, *m_banner});
    createScoreServices();
}

void TrivantoApp::createScoreServices() {
    m_topList =
        std::make_unique<TTopList>(m_onlineServices->network, *m_env.clock,
                                   filePath(m_env.paths.progDir, TTopListFile::defaultName()));
    m_topList->setURL(m_env.servers.topListUrl);
    m_hallOfFame = std::make_unique<HallOfFame>(*m_services, *m_topList);
    m_scoreUpload = std::make_unique<ScoreUpload>(*m_services, *m_topList, m_engine->winners(),
                                                  *m_hallOfFame, *m_onlineServices);
    m_scoreUpload->setEndPanelHider([this] { m_engine->hideUploadOffer(); });
}

void TrivantoApp::createWindows() {
    const Services& services = *m_services;
    m_main = std::make_unique<TMainForm>(services);
    connect(m_main.get(), &TMainForm::FormClose, this, &TrivantoApp::onMainFormClosed);
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), m_main.get());
    fullScreen->setContext(Qt::ApplicationShortcut);
    connect(fullScreen, &QShortcut::activated, this, &TrivantoApp::toggleFullScreen);
    m_game = std::make_unique<MainGame>(*m_main, *m_engine, *m_setup, *m_savedGames);
    // The main window shows each banner the update fetches; its 30-second timer runs from now.
    connect(m_banner.get(), &BannerUpdater::bannerReplaced, m_main.get(), &TMainForm::loadBanner);
    m_banner->startTimer();
    m_sprach = std::make_unique<TSprachform>();
    m_onlineupdate = std::make_unique<TOnlineupdateForm>(services, *m_onlineServices);
    TOnlinehighscoreForm::Hooks uploadHooks;
    uploadHooks.showInfo = [this] { m_info->showModal(); };
    uploadHooks.showHallOfFame = [this] { m_bestenliste->open(); };
    m_onlinehighscore =
        std::make_unique<TOnlinehighscoreForm>(services, *m_scoreUpload, std::move(uploadHooks));
    m_bestenliste = std::make_unique<TBestenlisteForm>(services, *m_hallOfFame,
                                                       [this] { m_info->showModal(); });
    // The high-score window goes on once the wizard it opened has closed again.
    m_hallOfFame->setOpenForDownload([this](const std::function<void()>& closed) {
        m_onlinehighscore->OpenForDownload();
        closed();
    });
    m_game->board()->setSubmitAction([this] { sendGameToTopList(); });
    m_warten = std::make_unique<TWartenForm>();
    m_message = std::make_unique<TFehlermeldungForm>();
    if (m_dialogProxy->target == nullptr) {
        m_dialogProxy->target = m_message.get();
    }
    m_spieler = std::make_unique<TSpielerForm>(services, *m_setup, m_warten.get(),
                                               [this] { m_info->showModal(); });
    m_editor = std::make_unique<TEditorForm>(services, *m_questionEditor);
    m_suchen = std::make_unique<TSuchenForm>(services, *m_questionEditor);
    m_neueFragendatei = std::make_unique<TNeueFragendateiForm>(services);
    m_fragendateiOeffnen = std::make_unique<TFragendateiOeffnenForm>(services);
    m_order = std::make_unique<FensterNachVorn>();
    m_order->setMainWindow(m_main.get());
    m_order->setWindow(FrontWindow::Onlineupdate, m_onlineupdate.get());
    m_order->setWindow(FrontWindow::Bestenliste, m_bestenliste.get());
    m_order->setWindow(FrontWindow::Onlinehighscore, m_onlinehighscore.get());
    m_order->setWindow(FrontWindow::Warten, m_warten.get());
    m_order->setWindow(FrontWindow::Fehlermeldung, m_message.get());
    m_order->setWindow(FrontWindow::Spieler, m_spieler.get());
    m_order->setWindow(FrontWindow::Editor, m_editor.get());
    m_order->setWindow(FrontWindow::Suchen, m_suchen.get());
    m_order->setWindow(FrontWindow::NeueFragendatei, m_neueFragendatei.get());
    m_order->setWindow(FrontWindow::FragendateiOeffnen, m_fragendateiOeffnen.get());
    m_grau = std::make_unique<TGrauform>();
    m_grau->FormCreate(*m_order, *m_main, *m_sound);
    m_ras = std::make_unique<TRASForm>(*m_connections);
    m_order->setWindow(FrontWindow::RAS, m_ras.get());
    // The program steps aside while the user connects by other means.
    connect(m_connections.get(), &ConnectionManager::minimiseProgram, m_main.get(),
            &TMainForm::minimiseApplication);
    connect(m_connections.get(), &ConnectionManager::restoreProgram, this,
            &TrivantoApp::restoreProgram);
    m_watch->start();  // the ten-second connection poll
    m_info = std::make_unique<TInfoForm>(*m_env.settings, help());
    m_order->setWindow(FrontWindow::Info, m_info.get());

    m_help = std::make_unique<THelpViewer>(m_env.paths.progDir, *m_env.shell);
    if (m_helpProxy->target == nullptr) {
        m_helpProxy->target = m_help.get();
    }
    m_order->setWindow(FrontWindow::Help, m_help.get());

    MainFormActions actions;
    actions.showInfo = [this] { m_info->showModal(); };
    actions.showSetup = [this] { m_spieler->open(); };
    actions.showHighscores = [this] { m_bestenliste->OpenFromMain(); };
    actions.showUpdate = [this] { m_onlineupdate->open(); };
    actions.showEditor = [this] { m_editor->open(); };
    actions.confirmQuit = [this] { return !m_editor->isVisible() || m_editor->Schliessen(); };
    EditorFormHooks editorHooks;
    editorHooks.showInfo = [this] { m_info->showModal(); };
    editorHooks.askNewCategory = [this] { return m_neueFragendatei->askTitle(); };
    editorHooks.askOpenCategory = [this] { return m_fragendateiOeffnen->chooseCategory(); };
    editorHooks.showSearch = [this] { m_suchen->open(); };
    m_editor->setHooks(std::move(editorHooks));
    m_main->setActions(std::move(actions));
}

void TrivantoApp::applyLanguage() {
    m_catalogue.apply(m_env.language);
    m_qtTranslations = installQtTranslations(m_env.language);
    const std::pair<QWidget*, const char*> windows[] = {
        {m_main.get(), "TMainForm"},
        {m_message.get(), "TFehlermeldungForm"},
        {m_spieler.get(), "TSpielerForm"},
        {m_info.get(), "TInfoForm"},
        {m_ras.get(), "TRASForm"},
        {m_onlineupdate.get(), "TOnlineupdateForm"},
        {m_splash.get(), "TStartscreenForm"},
        {m_onlinehighscore.get(), "TOnlinehighscoreForm"},
        {m_bestenliste.get(), "TBestenlisteForm"},
        {m_editor.get(), "TEditorForm"},
        {m_suchen.get(), "TSuchenForm"},
        {m_neueFragendatei.get(), "TNeueFragendateiForm"},
        {m_fragendateiOeffnen.get(), "TFragendateiOeffnenForm"},
        {m_help.get(), "THelpViewer"},
    };
    for (const auto& [window, windowClass] : windows) {
        if (window != nullptr) {
            applyWindowTexts(window,
                             resolvedWindowTexts(QLatin1String(windowClass), m_env.language));
        }
    }
    m_editor->applyOwnTexts();
    m_help->setHelpFolder(m_catalogue.settings().HelpFile);
    m_main->placeQuestionCounter();
    m_game->languageApplied();
}

void TrivantoApp::checkConnection() {
    // An active connection sets IsOnline and starts the banner once the system has answered.
    m_watch->checkAtStart();
}

void TrivantoApp::sendGameToTopList() {
    // Only the end panel of a game played from its start offers it (never a loaded game).
    if (m_engine->submitOffered()) {
        m_onlinehighscore->OpenForGameEnd();
    }
}

void TrivantoApp::restoreProgram() {
    m_main->restoreApplication();
    m_order->run();
}

void TrivantoApp::writeTest() {
    const QString path = filePath(m_env.paths.progDir, QStringLiteral("bb.tmp"));
    // Written without reading what is there: a FIFO of that name would hold the start. A
    // new file replaces whatever had the name, so only a folder can stand in its way.
    TIniDocument test;
    test.WriteValue(QStringLiteral("Trivanto"), QStringLiteral("Test"), QStringLiteral("OK"));
    // The file's presence below is the answer; the reason is not shown.
    static_cast<void>(saveWholeFile(path, test.toBytes()));
    // A folder of that name is no sign of a writable program folder.
    if (!QFileInfo(path).isFile()) {
        notice(Msg::MsgFolderWriteProtected);
    }
    QFile::remove(path);
}

void TrivantoApp::toggleFullScreen() {
    // The zoom is Qt's scale factor, which is fixed once the program runs.
    const Zoom zoom = trivanto::toggleFullScreen(*m_env.settings);
    // Settings that cannot be kept are told once, by the saver.
    if (!m_saver->save()) {
        return;
    }
    dialog().notice(zoomNextStartText(zoom, m_env.language), 363, true);
}

int TrivantoApp::run() {
    if (!start()) {
        return m_exitCode;
    }
    if (m_env.options.reportReady) {
        QTimer::singleShot(0, this, [this] {
            // With the main window's size and pixel ratio, which show the zoom at work.
            std::printf("Trivanto ready: main window %dx%d at pixel ratio %g\n", m_main->width(),
                        m_main->height(), m_main->devicePixelRatioF());
            std::fflush(stdout);
        });
    }
    if (m_env.options.quitWhenIdle) {
        // Leaves through the ordinary shutdown once the loop runs.
        QTimer::singleShot(0, m_main.get(), [this] { m_main->ProgrammBeenden(); });
    }
    m_inLoop = true;
    m_exitCode = QApplication::exec();
    m_inLoop = false;
    return m_exitCode;
}

void TrivantoApp::onMainFormClosed() {
    m_finished = true;
    // No banner transfer and no poll outlive the main window.
    m_banner->shutdown();
    m_watch->stop();
    for (QWidget* window :
         {static_cast<QWidget*>(m_grau.get()), static_cast<QWidget*>(m_help.get()),
          static_cast<QWidget*>(m_info.get()), static_cast<QWidget*>(m_warten.get()),
          static_cast<QWidget*>(m_ras.get()), static_cast<QWidget*>(m_onlineupdate.get()),
          static_cast<QWidget*>(m_onlinehighscore.get()),
          static_cast<QWidget*>(m_bestenliste.get()), static_cast<QWidget*>(m_editor.get()),
          static_cast<QWidget*>(m_suchen.get()), static_cast<QWidget*>(m_neueFragendatei.get()),
          static_cast<QWidget*>(m_fragendateiOeffnen.get())}) {
        if (window != nullptr) {
            window->hide();
        }
    }
    if (m_inLoop) {
        QCoreApplication::exit(0);
    }
}

}  // namespace trivanto
