// The executable: builds the real seams and runs the application.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/app/app_options.h"
#include "core/app/app_paths.h"
#include "core/app/qt_settings_store.h"
#include "core/app/real_clock.h"
#include "core/app/real_random.h"
#include "core/app/server_config.h"
#include "core/app/zoom.h"
#include "core/sound/sound_player.h"
#include "platform/system_connection_backend.h"
#include "ui/common/box_plain_message.h"
#include "ui/common/desktop_shell_opener.h"
#include "ui/shell/trivanto_app.h"
#include "ui/widgets/theme.h"

namespace {

// The value after `name` on the command line, read before Qt has seen it.
QString argumentValue(int argc, char** argv, const char* name) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) {
            return QString::fromLocal8Bit(argv[i + 1]);
        }
    }
    return {};
}

// The size of the screen the game will show on, from a short-lived application object (the
// real one can only be made once the scale factor is set).
QSize screenSize(int argc, char** argv) {
    // The probe takes Qt's own arguments out of what it is given: it gets a copy.
    std::vector<QByteArray> copies(argv, argv + argc);
    std::vector<char*> args;
    for (QByteArray& copy : copies) {
        args.push_back(copy.data());
    }
    int count = argc;
    const QGuiApplication probe(count, args.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

// Sets Qt's scale factor from the zoom (--zoom, which is remembered, else the settings), so
// every window, text and picture is drawn at the zoom's size in the screen's own pixels.
// A scale factor the user has set in the environment wins.
void applyZoom(int argc, char** argv) {
    using namespace trivanto;
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        return;
    }
    const QString file = argumentValue(argc, argv, "--settings");
    Zoom zoom = Zoom::One;
    {
        auto settings = file.isEmpty() ? std::make_unique<QtSettingsStore>()
                                       : std::make_unique<QtSettingsStore>(file);
        const std::optional<Zoom> asked = zoomFromText(argumentValue(argc, argv, "--zoom"));
        if (asked) {
            storeZoom(*settings, *asked);
            // A store that cannot keep it is told by the game once its windows are up.
            static_cast<void>(settings->sync());
        }
        zoom = asked.value_or(storedZoom(*settings));
    }
    const double factor = zoomFactor(zoom, zoom == Zoom::Fit ? screenSize(argc, argv) : QSize());
    if (factor != 1.0) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace trivanto;
    applyZoom(argc, argv);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("velmora.engineering"));
    QApplication::setApplicationName(QStringLiteral("Trivanto"));
    // Ties the windows to the menu entry, so the desktop shows the entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("engineering.velmora.trivanto"));
    QApplication::setQuitOnLastWindowClosed(false);
    Theme::apply(app);

    const AppOptionsResult parsed =
        parseAppOptions(QApplication::arguments().mid(1), QProcessEnvironment::systemEnvironment());
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(parsed.error), qPrintable(appOptionsUsage()));
        return 2;
    }
    const AppOptions& options = parsed.options;

    // A settings file that is no regular file is not read; the start says so.
    const std::unique_ptr<SettingsStore> settings = openSettingsStore(options.settingsFile);
    RealClock clock;
    RealRandom random(clock);
    TSoundPlayer sound;
    SystemConnectionBackend connections;
    DesktopShellOpener shell;
    BoxPlainMessage box;
    StderrPlainMessageBox stderrBox;

    AppEnvironment env;
    env.settings = settings.get();
    env.clock = &clock;
    env.random = &random;
    env.sound = &sound;
    env.connections = &connections;
    env.shell = &shell;
    env.plainMessages = options.plainMessages == PlainMessageTarget::Stderr
                            ? static_cast<PlainMessageBox*>(&stderrBox)
                            : static_cast<PlainMessageBox*>(&box);
    env.paths = resolveAppPaths(options, QApplication::applicationDirPath());
    env.language = options.language.value_or(buildLanguage());
    env.options = options;
    env.servers = resolveServerConfig(QApplication::arguments().mid(1),
                                      QProcessEnvironment::systemEnvironment(), *settings);
    for (const QString& warning : env.servers.warnings) {
        std::fprintf(stderr, "%s\n", qPrintable(warning));
    }

    TrivantoApp trivanto(env);
    return trivanto.run();
}
