#include "core/common/save_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <algorithm>

#include "core/common/regular_file.h"

namespace trivanto {

namespace {
// The probe writes as much as a replacement of the file would need, within reason.
constexpr qint64 kProbeSlack = 4096;
constexpr qint64 kLargestProbe = qint64(1) << 20;

// What waits in the write buffer: as with writeAll, a second push after a short one fails
// with the reason, or writes the rest.
bool pushOut(QFileDevice& file) {
    return file.flush() || file.flush();
}
}  // namespace

bool writeAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return true;
}

Status commitSaveFile(QSaveFile& file) {
    // A write that failed earlier has left its reason; closing would replace it.
    if (file.error() != QFileDevice::NoError || !pushOut(file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Status::failure(reason);
    }
    if (!file.commit()) {
        return Status::failure(file.errorString());
    }
    return Status::success();
}

Status replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        return Status::failure(out.errorString());
    }
    if (!writeAll(out, bytes)) {
        const QString reason = out.errorString();
        out.cancelWriting();
        return Status::failure(reason);
    }
    return commitSaveFile(out);
}

Status saveWholeFile(const QString& path, const QByteArray& bytes) {
    const Status saved = replaceFile(path, bytes);
    if (saved.ok()) {
        return saved;
    }
    return Status::failure(QStringLiteral("%1: cannot be written: %2")
                               .arg(QDir::toNativeSeparators(path), saved.error()));
}

QString writeProblem(const QString& path) {
    if (const QString problem = nonRegularFileProblem(path); !problem.isEmpty()) {
        return problem;
    }
    const QFileInfo info(path);
    if (info.exists()) {
        // Opened to append and closed again: the file keeps its bytes, but the open needs
        // the right a write needs.
        QFile existing(path);
        if (!existing.open(QIODevice::WriteOnly | QIODevice::Append)) {
            return existing.errorString();
        }
    }
    // A replacement is written beside the file, so the folder must take a new file that size.
    QTemporaryFile probe(info.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!probe.open()) {
        return probe.errorString();
    }
    const qint64 size =
        std::min(info.exists() ? info.size() + kProbeSlack : kProbeSlack, kLargestProbe);
    const QByteArray block(size, '\0');
    if (!writeAll(probe, block) || !pushOut(probe)) {
        return probe.errorString();
    }
    return {};
}

}  // namespace trivanto
