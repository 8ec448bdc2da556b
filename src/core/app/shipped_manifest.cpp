#include "core/app/shipped_manifest.h"

#include <QCryptographicHash>
#include <QFile>

#include "core/common/regular_file.h"
#include "core/common/save_file.h"

namespace trivanto {

namespace {

constexpr qint64 kMaxManifestBytes = 4 * 1024 * 1024;
constexpr qsizetype kHashDigits = 64;

bool isLowerHex(const QByteArray& text) {
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool isSafeShippedName(const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('\\'))) {
        return false;
    }
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Format) {
            return false;
        }
    }
    for (const QString& part : name.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part.startsWith(QLatin1Char('.'))) {
            return false;  // also "/x" and "x//y", ".", ".." and hidden files
        }
    }
    return true;
}

Result<ShippedManifest> readShippedManifest(const QString& path) {
    // The record lies in the user's folder: a FIFO there would hold the start.
    if (const QString problem = nonRegularFileProblem(path); !problem.isEmpty()) {
        return Result<ShippedManifest>::failure(problem);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Result<ShippedManifest>::failure(file.errorString());
    }
    if (file.size() > kMaxManifestBytes) {
        return Result<ShippedManifest>::failure(QStringLiteral("the list is too large"));
    }
    const QByteArray content = file.readAll();
    ShippedManifest manifest;
    const QList<QByteArray> lines = content.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (line.isEmpty()) {
            continue;
        }
        const auto bad = [&](const char* why) {
            return Result<ShippedManifest>::failure(
                QStringLiteral("line %1: %2").arg(i + 1).arg(QLatin1String(why)));
        };
        // "HASH  NAME": the second separator is " " (text) or "*" (binary) in sha256sum's form.
        if (line.size() < kHashDigits + 3 || line.at(kHashDigits) != ' ' ||
            (line.at(kHashDigits + 1) != ' ' && line.at(kHashDigits + 1) != '*')) {
            return bad("not \"HASH  NAME\"");
        }
        const QByteArray hash = line.left(kHashDigits).toLower();
        if (!isLowerHex(hash)) {
            return bad("the checksum is not 64 hex digits");
        }
        const QString name = QString::fromUtf8(line.mid(kHashDigits + 2));
        if (!isSafeShippedName(name)) {
            return bad("the name is not a plain relative path");
        }
        if (manifest.contains(name)) {
            return bad("the name is listed twice");
        }
        manifest.insert(name, hash);
    }
    return manifest;
}

Status writeShippedManifest(const QString& path, const ShippedManifest& manifest) {
    QByteArray content;
    for (auto it = manifest.cbegin(); it != manifest.cend(); ++it) {
        content += it.value() + "  " + it.key().toUtf8() + '\n';
    }
    return replaceFile(path, content);
}

Result<QByteArray> fileSha256(const QString& path) {
    // A FIFO would never end, a device link feed bytes without end.
    if (const QString problem = nonRegularFileProblem(path); !problem.isEmpty()) {
        return Result<QByteArray>::failure(problem);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Result<QByteArray>::failure(file.errorString());
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) {
        return Result<QByteArray>::failure(file.errorString());
    }
    return hash.result().toHex();
}

}  // namespace trivanto
