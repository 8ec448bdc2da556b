#include "core/net/http_module_loader.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "core/common/file_path.h"

namespace trivanto {

QStringList httpModuleFolders(const QString& programFolder) {
    return {programFolder,
            QDir::cleanPath(filePath(programFolder, QStringLiteral(TRIVANTO_LIBS_FROM_BIN)))};
}

Result<std::unique_ptr<HttpClient>> loadHttpModule(const QStringList& folders) {
    using Loaded = Result<std::unique_ptr<HttpClient>>;
    const QString fileName = QString::fromLatin1(kHttpModuleFileName);
    for (const QString& folder : folders) {
        const QString path = filePath(folder, fileName);
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        // Never unloaded: the client and its replies run on its code to the end.
        QLibrary library(path);
        if (!library.load()) {
            return Loaded::failure(QStringLiteral("the network library %1 cannot be loaded (%2)")
                                       .arg(QDir::toNativeSeparators(path), library.errorString()));
        }
        const auto make = reinterpret_cast<HttpModuleFactory>(library.resolve(kHttpModuleFactory));
        if (make == nullptr) {
            return Loaded::failure(
                QStringLiteral("the network library %1 lacks %2")
                    .arg(QDir::toNativeSeparators(path), QLatin1String(kHttpModuleFactory)));
        }
        std::unique_ptr<HttpClient> client(make());
        if (!client) {
            return Loaded::failure(
                QStringLiteral("the network library %1 made no client").arg(path));
        }
        return Loaded(std::move(client));
    }
    QStringList shown;
    for (const QString& folder : folders) {
        shown << QDir::toNativeSeparators(folder);
    }
    return Loaded::failure(QStringLiteral("the network library %1 is not in %2")
                               .arg(fileName, shown.join(QStringLiteral(", "))));
}

}  // namespace trivanto
