#pragma once

#include <QString>

#include "core/app/app_options.h"

namespace trivanto {

// The folders of one run.
struct AppPaths {
    // The program folder: categories, sounds, help, banner. Like every folder here it is kept
    // without a trailing separator; files are joined to it with filePath().
    QString progDir;
    // An installed game's read-only shipped data, brought into `progDir` at every start
    // (seedProgramFolder); empty when the program folder is the executable's own or was given.
    QString shippedDir;
    // The per-user folder of the game question list and the pool file; created on demand.
    QString windowsFolder;
    // The folder of the single-instance lock.
    QString lockDir;
};

// Fills the folders from the options, else from `applicationDir` (the executable's folder)
// and the per-user standard locations. The program folder is, in this order: the one the
// options name; for an installed game (its shipped list lies in installedDataDir()) the
// per-user folder "program" in the application's data location; else the executable's own
// folder, as in a build folder. Creates the windows and lock folders, and an installed game's
// program folder.
AppPaths resolveAppPaths(const AppOptions& options, const QString& applicationDir);

// Where an installed game's shipped data lies, seen from the executable's folder
// (`bin/../share/trivanto`).
QString installedDataDir(const QString& applicationDir);

// `dir` with exactly one trailing '/': the form of the "ProgDir" setting.
QString withTrailingSeparator(const QString& dir);
// `dir` without trailing '/' (but "/" stays "/").
QString withoutTrailingSeparator(QString dir);

}  // namespace trivanto
