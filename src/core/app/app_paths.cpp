#include "core/app/app_paths.h"

#include <QDir>
#include <QStandardPaths>

namespace trivanto {

namespace {

QString standardFolder(QStandardPaths::StandardLocation location) {
    QString dir = QStandardPaths::writableLocation(location);
    if (dir.isEmpty()) {
        dir = QDir::tempPath() + QStringLiteral("/trivanto");
    }
    return dir;
}

}  // namespace

QString withoutTrailingSeparator(QString dir) {
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/'))) {
        dir.chop(1);
    }
    return dir;
}

QString withTrailingSeparator(const QString& dir) {
    const QString clean = withoutTrailingSeparator(QDir::fromNativeSeparators(dir));
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

AppPaths resolveAppPaths(const AppOptions& options, const QString& applicationDir) {
    AppPaths paths;
    const QString prog = options.progDir.isEmpty() ? applicationDir : options.progDir;
    paths.progDir = withoutTrailingSeparator(QDir(prog).absolutePath());

    const QString windows = options.windowsDir.isEmpty()
                                ? standardFolder(QStandardPaths::AppLocalDataLocation)
                                : options.windowsDir;
    paths.windowsFolder = withoutTrailingSeparator(QDir(windows).absolutePath());
    QDir().mkpath(paths.windowsFolder);

    const QString lock = options.lockDir.isEmpty() ? standardFolder(QStandardPaths::RuntimeLocation)
                                                   : options.lockDir;
    paths.lockDir = withoutTrailingSeparator(QDir(lock).absolutePath());
    QDir().mkpath(paths.lockDir);
    return paths;
}

}  // namespace trivanto
