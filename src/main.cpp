// The executable: builds the real seams and runs the application.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "core/app/app_options.h"
#include "core/app/app_paths.h"
#include "core/app/qt_settings_store.h"
#include "core/app/real_clock.h"
#include "core/app/real_random.h"
#include "core/app/server_config.h"
#include "core/sound/sound_player.h"
#include "platform/system_connection_backend.h"
#include "ui/common/box_plain_message.h"
#include "ui/common/desktop_shell_opener.h"
#include "ui/shell/trivanto_app.h"
#include "ui/widgets/theme.h"

int main(int argc, char** argv) {
    using namespace trivanto;
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
