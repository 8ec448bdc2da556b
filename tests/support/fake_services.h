#pragma once

#include <QString>
#include <memory>

#include "core/app/memory_settings_store.h"
#include "core/app/services.h"
#include "core/app/settings_saver.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"
#include "support/manual_clock.h"
#include "support/recording_help_viewer.h"
#include "support/recording_message_dialog.h"
#include "support/recording_shell_opener.h"
#include "support/recording_sound_backend.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_random.h"

namespace trivanto {

// Every shared service on fakes, as the application would hand them out: the fakes stay
// reachable by name so a test can script and inspect them.
class FakeServices {
public:
    explicit FakeServices(const QString& progDir = QStringLiteral("prog"),
                          const QString& windowsFolder = QStringLiteral("win"),
                          Language language = Language::Englisch) {
        catalogue.apply(language);
        paths.progDir = progDir;
        paths.windowsFolder = windowsFolder;
        cues = std::make_unique<SoundCues>(settings, soundBackend, progDir);
    }

    Services services() {
        return {settings, saver, clock, random,    dialog, help,
                shell,    files, *cues, catalogue, paths};
    }

    // A test makes the store refuse with settings.refuseWrites(reason).
    MemorySettingsStore settings;
    ManualClock clock;
    ScriptedRandom random;
    RecordingMessageDialog dialog;
    RecordingHelpViewer help;
    RecordingShellOpener shell;
    ScriptedFileDialogs files;
    RecordingSoundBackend soundBackend;
    MessageCatalogue catalogue;
    AppPaths paths;
    SettingsSaver saver{settings, dialog, catalogue};
    std::unique_ptr<SoundCues> cues;
};

}  // namespace trivanto
