#include "core/common/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace trivanto {

Result<QByteArray> readFileStart(const QString& path, qint64 maxBytes, const QString& kind) {
    const QString name = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (info.isDir()) {
        return Status::failure(QStringLiteral("%1: is a folder, not %2").arg(name, kind));
    }
    // A pipe or a device would block the program or never end; only plain files are read.
    if (info.exists() && !info.isFile()) {
        return Status::failure(QStringLiteral("%1: is no plain file, not %2").arg(name, kind));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(
            QStringLiteral("%1: cannot be opened: %2").arg(name, file.errorString()));
    }
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        return Status::failure(
            QStringLiteral("%1: cannot be read: %2").arg(name, file.errorString()));
    }
    return bytes;
}

Status writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    const auto fail = [&](const QString& what) {
        return Status::failure(QStringLiteral("%1: %2: %3")
                                   .arg(QDir::toNativeSeparators(path), what, out.errorString()));
    };
    if (!out.open(QIODevice::WriteOnly)) {
        return fail(QStringLiteral("cannot be created"));
    }
    if (out.write(bytes) != bytes.size()) {
        // The reason first: cancelling replaces it with its own.
        const Status failed = fail(QStringLiteral("cannot be written"));
        out.cancelWriting();
        return failed;
    }
    if (!out.commit()) {
        return fail(QStringLiteral("cannot be saved"));
    }
    return Status::success();
}

}  // namespace trivanto
