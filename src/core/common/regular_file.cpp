#include "core/common/regular_file.h"

#include <QFileInfo>

namespace trivanto {

QString nonRegularFileProblem(const QString& path) {
    const QFileInfo info(path);
    // A dangling link is no file at all: reading it fails quickly and says so.
    if (!info.exists() || info.isFile()) {
        return {};
    }
    return info.isDir() ? QStringLiteral("is a folder") : QStringLiteral("is not a regular file");
}

}  // namespace trivanto
