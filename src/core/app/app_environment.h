#pragma once

#include <functional>

#include "core/app/app_options.h"
#include "core/app/app_paths.h"
#include "core/app/clock.h"
#include "core/app/connection_backend.h"
#include "core/app/file_dialogs.h"
#include "core/app/help_viewer.h"
#include "core/app/message_dialog.h"
#include "core/app/plain_message.h"
#include "core/app/random_source.h"
#include "core/app/server_config.h"
#include "core/app/settings_store.h"
#include "core/app/shell_opener.h"
#include "core/app/sound_backend.h"
#include "core/lang/message_catalogue.h"

namespace trivanto {

class HttpClient;

// Everything the application object needs from outside: the seams, the folders and the
// language of one run. The pointers are not owned and must outlive the application.
// main() fills it with the real implementations, tests with fakes.
struct AppEnvironment {
    SettingsStore* settings = nullptr;
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
    SoundBackend* sound = nullptr;
    ConnectionBackend* connections = nullptr;
    ShellOpener* shell = nullptr;
    PlainMessageBox* plainMessages = nullptr;
    // Optional: when null the program's own message dialog and help window are used.
    MessageDialog* messageDialog = nullptr;
    HelpViewer* helpViewer = nullptr;
    FileDialogs* fileDialogs = nullptr;
    // Optional: when null the application makes its own, with the system's proxy settings.
    HttpClient* network = nullptr;
    // Optional: the screen's bits per pixel; when empty the primary screen is asked.
    std::function<int()> colourDepth;

    AppPaths paths;
    Language language = Language::Englisch;
    AppOptions options;
    // Addresses of the update and top-list servers (defaults unless overridden).
    ServerConfig servers = [] {
        ServerConfig defaults;
        defaults.updateHost = defaultUpdateHost();
        defaults.topListUrl = defaultTopListUrl();
        return defaults;
    }();
};

}  // namespace trivanto
