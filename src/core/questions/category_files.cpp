#include "core/questions/category_files.h"

#include <QDir>

namespace trivanto {

QStringList categoryFileNames(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.trv")}, QDir::Files, QDir::Name);
}

}  // namespace trivanto
