#include "core/app/app_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/app/shipped_manifest.h"
#include "core/common/file_path.h"

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

QString installedDataDir(const QString& applicationDir) {
    return QDir::cleanPath(filePath(QDir(applicationDir).absolutePath(),
                                    QStringLiteral(TRIVANTO_SHIPPED_DATA_FROM_BIN)));
}

AppPaths resolveAppPaths(const AppOptions& options, const QString& applicationDir) {
    AppPaths paths;
    QString prog = options.progDir.isEmpty() ? applicationDir : options.progDir;
    if (options.progDir.isEmpty()) {
        const QString shipped = installedDataDir(applicationDir);
        if (QFileInfo(filePath(shipped, kShippedManifestName)).isFile()) {
            paths.shippedDir = shipped;
            prog = filePath(standardFolder(QStandardPaths::AppLocalDataLocation),
                            QStringLiteral("program"));
            QDir().mkpath(prog);
        }
    }
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
