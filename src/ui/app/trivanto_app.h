#pragma once

#include <QObject>
#include <memory>

#include "core/app/app_environment.h"
#include "core/lang/message_catalogue.h"

namespace trivanto {

class FensterNachVorn;
class FileDialogs;
class MainGame;
class SingleInstanceGuard;
class TFehlermeldungForm;
class TGrauform;
class THelpViewer;
class TInfoForm;
class TMainForm;
class TSprachform;
class TSpielerForm;
class TStartscreenForm;
class TWartenForm;

// The application: runs the start-up (single instance, colour depth, splash, every window
// created once in a fixed order, language, connection check, write test), then the message
// loop until the main window closes. Everything from outside comes in through the
// AppEnvironment, so tests build the whole program in-process against fakes.
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
    // one, else the program's own TFehlermeldungForm.
    MessageDialog& dialog();
    HelpViewer& help();
    const MessageCatalogue& catalogue() const { return m_catalogue; }
    const AppEnvironment& environment() const { return m_env; }

    TMainForm* mainForm() const { return m_main; }
    TFehlermeldungForm* messageForm() const { return m_message; }
    TInfoForm* infoForm() const { return m_info; }
    THelpViewer* helpWindow() const { return m_help; }
    TGrauform* grauform() const { return m_grau; }
    TWartenForm* wartenForm() const { return m_warten; }
    FensterNachVorn* windowOrder() const { return m_order; }
    MainGame* game() const { return m_game; }
    TSpielerForm* spielerForm() const { return m_spieler; }

private:
    class DialogProxy;
    class HelpProxy;

    bool end(int exitCode);
    int colourDepth() const;
    void createWindows();
    void applyLanguage();
    void checkConnection();
    void writeTest();
    void onMainFormClosed();

    AppEnvironment m_env;
    MessageCatalogue m_catalogue;
    std::unique_ptr<DialogProxy> m_dialogProxy;
    std::unique_ptr<HelpProxy> m_helpProxy;
    std::unique_ptr<SingleInstanceGuard> m_guard;
    std::unique_ptr<FileDialogs> m_fileDialogs;  // when the environment brings none

    std::unique_ptr<TStartscreenForm> m_splash;
    int m_depth = 0;
    // Top-level windows, deleted by the destructor in reverse order of creation.
    TMainForm* m_main = nullptr;
    MainGame* m_game = nullptr;
    TSprachform* m_sprach = nullptr;
    TWartenForm* m_warten = nullptr;
    TFehlermeldungForm* m_message = nullptr;
    TSpielerForm* m_spieler = nullptr;
    TGrauform* m_grau = nullptr;
    TInfoForm* m_info = nullptr;
    THelpViewer* m_help = nullptr;
    FensterNachVorn* m_order = nullptr;

    int m_exitCode = 0;
    bool m_finished = false;
    bool m_inLoop = false;
};

}  // namespace trivanto
