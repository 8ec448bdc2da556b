#include "server/static_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

#include "core/common/file_path.h"
#include "server/http_request.h"

namespace trivanto {

StaticFolder::StaticFolder(const QString& root) {
    if (!root.isEmpty()) {
        m_root = QFileInfo(root).canonicalFilePath();
    }
}

std::optional<QString> StaticFolder::resolve(const QByteArray& rawPath) const {
    if (m_root.isEmpty()) {
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = percentDecode(rawPath);
    // A trailing "/" names a folder, and folders are never listed.
    if (!bytes || !bytes->startsWith('/') || bytes->endsWith('/') || bytes->contains('\0') ||
        bytes->contains('\\')) {
        return std::nullopt;
    }
    const QString path = QString::fromUtf8(*bytes);
    if (path.contains(QChar::ReplacementCharacter)) {
        return std::nullopt;
    }
    QString file = m_root;
    for (const QString& segment : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (segment.startsWith(QLatin1Char('.'))) {
            return std::nullopt;
        }
        file = filePath(file, segment);
    }
    const QFileInfo info(file);
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty() || !canonical.startsWith(m_root + QLatin1Char('/')) ||
        !QFileInfo(canonical).isFile() || !QFileInfo(canonical).isReadable()) {
        return std::nullopt;
    }
    return canonical;
}

QByteArray contentTypeFor(const QString& fileName) {
    static const QMimeDatabase mimes;
    const QMimeType type = mimes.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) {
        return "application/octet-stream";
    }
    QByteArray name = type.name().toLatin1();
    if (type.inherits(QStringLiteral("text/plain"))) {
        name += "; charset=windows-1252";
    }
    return name;
}

}  // namespace trivanto
