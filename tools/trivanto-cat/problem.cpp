#include "problem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace trivanto::cat {

QString formatProblem(const QString& file, const Problem& problem) {
    const QString name = QDir::toNativeSeparators(file);
    if (problem.line > 0) {
        return QStringLiteral("%1:%2: %3").arg(name).arg(problem.line).arg(problem.text);
    }
    return QStringLiteral("%1: %2").arg(name, problem.text);
}

FileBytes readWholeFile(const QString& path) {
    const QString name = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        return {{}, QStringLiteral("%1: no such file").arg(name)};
    }
    if (info.isDir()) {
        return {{}, QStringLiteral("%1: is a folder, not a file").arg(name)};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, QStringLiteral("%1: cannot be opened: %2").arg(name, file.errorString())};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {{}, QStringLiteral("%1: cannot be read: %2").arg(name, file.errorString())};
    }
    return {bytes, {}};
}

}  // namespace trivanto::cat
