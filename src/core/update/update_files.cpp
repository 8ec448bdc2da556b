#include "core/update/update_files.h"

#include <QFile>
#include <filesystem>

#include "core/common/file_path.h"
#include "core/lang/message_catalogue.h"

namespace trivanto {

QString catalogueRemoteName(const LanguageSettings& language) {
    return QStringLiteral("update") + language.UpdateFileExtension;
}

QString catalogueLocalPath(const QString& progDir) {
    return filePath(progDir, QStringLiteral("update.ini"));
}

QString downloadPath(const QString& progDir, const QString& name) {
    return filePath(progDir, name + QStringLiteral(".download"));
}

QUrl updateUrl(const QString& updateBasePath, const QString& name) {
    QUrl url(QStringLiteral("http://") + updateBasePath);
    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    // Decoded mode: a blank or "#" in a file name is escaped, never read as URL syntax.
    url.setPath(path + name, QUrl::DecodedMode);
    return url;
}

Status replaceFile(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(),
                            QFile::encodeName(to).toStdString(), error);
    if (error) {
        return Status::failure(QString::fromLocal8Bit(error.message().c_str()));
    }
    return Status::success();
}
}  // namespace trivanto
