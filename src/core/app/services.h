#pragma once

#include "core/app/app_paths.h"

namespace trivanto {

class Clock;
class FileDialogs;
class HelpViewer;
class MessageCatalogue;
class MessageDialog;
class RandomSource;
class SettingsSaver;
class SettingsStore;
class ShellOpener;
class SoundCues;

// The shared services of one run: the seams from the environment and what the application
// builds on them (the catalogue, the sound cues, the settings saver). The application object owns
// all of it and hands this bundle to the engine, the setup and every window, which keep references
// only. Tests fill it with fakes.
struct Services {
    SettingsStore& settings;
    // Code that changes a setting that matters saves through this, never the store's sync().
    SettingsSaver& saver;
    Clock& clock;
    RandomSource& random;
    MessageDialog& dialog;
    HelpViewer& help;
    ShellOpener& shell;
    FileDialogs& files;
    SoundCues& sound;
    const MessageCatalogue& catalogue;
    AppPaths paths;
};

}  // namespace trivanto
