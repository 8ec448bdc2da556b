#pragma once

#include <QString>

#include "core/app/app_options.h"

namespace trivanto {

// The folders of one run.
struct AppPaths {
    // The program folder with a trailing separator: categories, sounds, help, banner.
    QString progDir;
    // The per-user folder of the game question list and the pool file, without a trailing
    // separator; created on demand.
    QString windowsFolder;
    // The folder of the single-instance lock.
    QString lockDir;
};

// Fills the folders from the options, else from `applicationDir` (the executable's folder)
// and the per-user standard locations. Creates the windows and lock folders.
AppPaths resolveAppPaths(const AppOptions& options, const QString& applicationDir);

// `dir` with exactly one trailing '/'.
QString withTrailingSeparator(const QString& dir);

}  // namespace trivanto
