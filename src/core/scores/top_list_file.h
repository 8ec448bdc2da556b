#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "core/common/result.h"
#include "core/scores/top_list_entry.h"

namespace trivanto {

// The local copy of the last fetched on-line list, "toplist.dat" in the program folder:
// little-endian, no header. A 32-bit count, then per entry the rank (16 bit), name, e-mail,
// score (32 bit), language and extra; each text a 32-bit byte count and its Windows-1252
// bytes. Unrelated to the server's text file of the same name.
class TTopListFile final {
public:
    static QString defaultName() { return QStringLiteral("toplist.dat"); }
    // Larger files are not read: a real list is a few kilobytes.
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

    // `fileName`: the full path, usually filePath(progDir, defaultName()).
    explicit TTopListFile(QString fileName) : m_fileName(std::move(fileName)) {}
    const QString& fileName() const { return m_fileName; }

    // A missing, unreadable, cut or otherwise damaged file fails; no partial list.
    Result<TTopListEntryList> Load() const;
    // Replaces the file whole; on failure the previous file stays as it was.
    Status Save(const TTopListEntryList& entries) const;
    // When the file was last written: the time of the last refresh; none without a file.
    std::optional<QDateTime> lastWriteTime() const;

private:
    QString m_fileName;
};

QByteArray topListFileBytes(const TTopListEntryList& entries);
Result<TTopListEntryList> readTopListFileBytes(const QByteArray& bytes);

}  // namespace trivanto
