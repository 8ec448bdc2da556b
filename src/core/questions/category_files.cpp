#include "core/questions/category_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/questions/question_file.h"

namespace trivanto {

QStringList categoryFileNames(const QString& folder) {
    // FIFOs and devices of that name are listed too (QDir::System), so the reader that refuses
    // them can name them instead of hiding them.
    return QDir(folder).entryList({QStringLiteral("*.trv")}, QDir::Files | QDir::System,
                                  QDir::Name);
}

bool categoryFileReadable(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() < kQuestionFileSize) {
        return false;
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

}  // namespace trivanto
