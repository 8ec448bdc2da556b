#pragma once

#include <QDir>
#include <QString>

namespace trivanto {

// The one way a file name is joined to a folder: the folder may or may not end in "/".
inline QString filePath(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name);
}

}  // namespace trivanto
