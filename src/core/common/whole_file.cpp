#include "core/common/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace trivanto {

namespace {

// Up to `maxBytes` bytes of a plain file, all of it when `maxBytes` is negative.
Result<QByteArray> readPlainFile(const QString& path, qint64 maxBytes, const QString& kind) {
    const QString name = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        return Status::failure(QStringLiteral("%1: no such file").arg(name));
    }
    if (info.isDir()) {
        return Status::failure(QStringLiteral("%1: is a folder, not %2").arg(name, kind));
    }
    // A pipe or a device would block the program or never end; only plain files are read.
    if (!info.isFile()) {
        return Status::failure(QStringLiteral("%1: is no plain file, not %2").arg(name, kind));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(
            QStringLiteral("%1: cannot be opened: %2").arg(name, file.errorString()));
    }
    QByteArray bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        return Status::failure(
            QStringLiteral("%1: cannot be read: %2").arg(name, file.errorString()));
    }
    return bytes;
}

}  // namespace

Result<QByteArray> readWholeFile(const QString& path) {
    return readPlainFile(path, -1, QStringLiteral("a file"));
}

Result<QByteArray> readFileStart(const QString& path, qint64 maxBytes, const QString& kind) {
    return readPlainFile(path, std::max<qint64>(maxBytes, 0), kind);
}

Status writeWholeFile(const QString& path, const QByteArray& bytes) {
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
