#include "core/scores/top_list_file.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>

#include "core/common/regular_file.h"
#include "core/common/save_file.h"
#include "core/text/cp1252.h"

namespace trivanto {

namespace {

// The smallest record: rank, four empty texts and the score.
constexpr qint64 kMinRecordSize = 2 + 4 + 4 + 4 + 4 + 4;

void writeText(QDataStream& out, const QString& text) {
    const QByteArray bytes = toCp1252(text);
    out << qint32(bytes.size());
    out.writeRawData(bytes.constData(), int(bytes.size()));
}

bool readText(QDataStream& in, qint64 remaining, QString& text) {
    qint32 length = 0;
    in >> length;
    if (in.status() != QDataStream::Ok || length < 0 || length > remaining) {
        return false;
    }
    QByteArray bytes(length, Qt::Uninitialized);
    if (in.readRawData(bytes.data(), length) != length) {
        return false;
    }
    text = fromCp1252(bytes);
    return true;
}

}  // namespace

QByteArray topListFileBytes(const TTopListEntryList& entries) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << qint32(entries.size());
    for (const TTopListEntry& entry : entries) {
        out << entry.Rank;
        writeText(out, entry.Name);
        writeText(out, entry.EMail);
        out << entry.Score;
        writeText(out, entry.Language);
        writeText(out, entry.Extra);
    }
    return bytes;
}

Result<TTopListEntryList> readTopListFileBytes(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok) {
        return Result<TTopListEntryList>::failure(QStringLiteral("the list has no entry count"));
    }
    // Each record takes at least kMinRecordSize bytes: a larger count cannot be true, and
    // nothing is sized from it before the records are there.
    const qint64 remaining = bytes.size() - 4;
    if (count < 0 || qint64(count) * kMinRecordSize > remaining) {
        return Result<TTopListEntryList>::failure(
            QStringLiteral("the list claims %1 entries that are not there").arg(count));
    }
    TTopListEntryList entries;
    entries.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        TTopListEntry entry;
        in >> entry.Rank;
        bool ok = in.status() == QDataStream::Ok;
        ok = ok && readText(in, bytes.size() - in.device()->pos(), entry.Name);
        ok = ok && readText(in, bytes.size() - in.device()->pos(), entry.EMail);
        if (ok) {
            in >> entry.Score;
            ok = in.status() == QDataStream::Ok;
        }
        ok = ok && readText(in, bytes.size() - in.device()->pos(), entry.Language);
        ok = ok && readText(in, bytes.size() - in.device()->pos(), entry.Extra);
        if (!ok) {
            return Result<TTopListEntryList>::failure(
                QStringLiteral("entry %1 of %2 is cut short or damaged").arg(i + 1).arg(count));
        }
        entries.append(entry);
    }
    return entries;
}

Result<TTopListEntryList> TTopListFile::Load() const {
    QFile file(m_fileName);
    if (!file.exists()) {
        return Result<TTopListEntryList>::failure(
            QStringLiteral("%1: no such file").arg(m_fileName));
    }
    if (const QString problem = nonRegularFileProblem(m_fileName); !problem.isEmpty()) {
        return Result<TTopListEntryList>::failure(
            QStringLiteral("%1: %2").arg(m_fileName, problem));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return Result<TTopListEntryList>::failure(
            QStringLiteral("%1: %2").arg(m_fileName, file.errorString()));
    }
    if (file.size() > kMaxFileSize) {
        return Result<TTopListEntryList>::failure(
            QStringLiteral("%1: %2 bytes is too large for a top list")
                .arg(m_fileName)
                .arg(file.size()));
    }
    Result<TTopListEntryList> entries = readTopListFileBytes(file.read(kMaxFileSize));
    if (!entries.ok()) {
        return Result<TTopListEntryList>::failure(
            QStringLiteral("%1: %2").arg(m_fileName, entries.error()));
    }
    return entries;
}

Status TTopListFile::Save(const TTopListEntryList& entries) const {
    return saveWholeFile(m_fileName, topListFileBytes(entries));
}

std::optional<QDateTime> TTopListFile::lastWriteTime() const {
    const QFileInfo info(m_fileName);
    // A folder of that name is no copy of the list.
    if (!info.isFile()) {
        return std::nullopt;
    }
    return info.lastModified();
}

}  // namespace trivanto
