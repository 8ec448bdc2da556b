#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/lang/message_catalogue.h"

namespace trivanto {

// Where the plain start-up messages (second instance, too few colours) go.
enum class PlainMessageTarget { Box, Stderr };

// What the command line and the environment ask of one run.
struct AppOptions {
    bool noSplash = false;
    QString progDir;       // empty: the executable's folder
    QString windowsDir;    // empty: the per-user data folder
    QString lockDir;       // empty: the per-user runtime folder
    QString settingsFile;  // empty: the user's native settings
    std::optional<Language> language;
    // Ends the message loop as soon as it runs: smoke tests of the real executable.
    bool quitWhenIdle = false;
    // Prints "Trivanto ready" to standard output once the message loop runs.
    bool reportReady = false;
    PlainMessageTarget plainMessages = PlainMessageTarget::Box;
};

struct AppOptionsResult {
    AppOptions options;
    QString error;  // empty when the arguments were understood
};

// Reads the arguments (without the program name) and the environment variables
// TRIVANTO_PROG_DIR, TRIVANTO_WINDOWS_DIR, TRIVANTO_LOCK_DIR, TRIVANTO_QUIT_WHEN_IDLE and
// TRIVANTO_PLAIN_MESSAGES ("stderr"); an argument wins over its variable.
AppOptionsResult parseAppOptions(const QStringList& arguments,
                                 const QProcessEnvironment& environment);

// The usage text printed for unknown arguments.
QString appOptionsUsage();

}  // namespace trivanto
