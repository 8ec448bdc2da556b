#include "core/common/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "core/common/regular_file.h"
#include "core/common/save_file.h"

namespace trivanto {

namespace {

enum class Beyond { Refuse, Ignore };

// A regular file's bytes: at most `maxBytes` of them when `maxBytes` >= 0, where a longer file
// is refused or only its start is read; all of it otherwise. `kind` names what the file should
// have been in the error ("a saved game").
Result<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, Beyond beyond,
                                   const QString& kind) {
    const QString name = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        return Status::failure(QStringLiteral("%1: no such file").arg(name));
    }
    if (info.isDir()) {
        return Status::failure(QStringLiteral("%1: is a folder, not %2").arg(name, kind));
    }
    // A FIFO would hold the program until someone writes to it, a device feed it without end.
    if (const QString problem = nonRegularFileProblem(path); !problem.isEmpty()) {
        return Status::failure(QStringLiteral("%1: %2").arg(name, problem));
    }
    const bool refuseLonger = maxBytes >= 0 && beyond == Beyond::Refuse;
    const auto tooLarge = [&] {
        return Status::failure(
            QStringLiteral("%1: is more than %2 bytes long").arg(name).arg(maxBytes));
    };
    if (refuseLonger && info.size() > maxBytes) {
        return tooLarge();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(
            QStringLiteral("%1: cannot be opened: %2").arg(name, file.errorString()));
    }
    // Within the limit even should the file grow meanwhile.
    QByteArray bytes = maxBytes < 0   ? file.readAll()
                       : refuseLonger ? file.read(maxBytes + 1)
                                      : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        return Status::failure(
            QStringLiteral("%1: cannot be read: %2").arg(name, file.errorString()));
    }
    if (refuseLonger && bytes.size() > maxBytes) {
        return tooLarge();
    }
    return bytes;
}

}  // namespace

Result<QByteArray> readWholeFile(const QString& path, qint64 maxBytes) {
    return readRegularFile(path, maxBytes, Beyond::Refuse, QStringLiteral("a file"));
}

Result<QByteArray> readFileStart(const QString& path, qint64 maxBytes, const QString& kind) {
    return readRegularFile(path, std::max<qint64>(maxBytes, 0), Beyond::Ignore, kind);
}

Status writeWholeFile(const QString& path, const QByteArray& bytes) {
    return saveWholeFile(path, bytes);
}

}  // namespace trivanto
