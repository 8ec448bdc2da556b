#pragma once

#include <QString>

#include "core/app/app_options.h"

namespace trivanto {

// The folders of one run.
struct AppPaths {
    // The program folder: categories, sounds, help, banner. Like every folder here it is kept
    // without a trailing separator; files are joined to it with filePath().
    QString progDir;
    // The per-user folder of the game question list and the pool file; created on demand.
    QString windowsFolder;
    // The folder of the single-instance lock.
    QString lockDir;
};

// Fills the folders from the options, else from `applicationDir` (the executable's folder)
// and the per-user standard locations. Creates the windows and lock folders.
AppPaths resolveAppPaths(const AppOptions& options, const QString& applicationDir);

// `dir` with exactly one trailing '/': the form of the "ProgDir" setting.
QString withTrailingSeparator(const QString& dir);
// `dir` without trailing '/' (but "/" stays "/").
QString withoutTrailingSeparator(QString dir);

}  // namespace trivanto
