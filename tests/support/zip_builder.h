#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace trivanto::test {

// One entry of an archive a test builds.
struct ZipEntry {
    ZipEntry(QByteArray name, QByteArray data, bool store = false,
             std::optional<quint32> unixMode = std::nullopt)
        : name(std::move(name)), data(std::move(data)), store(store), unixMode(unixMode) {}

    QByteArray name;  // stored byte for byte
    QByteArray data;
    bool store = false;               // stored instead of deflated
    std::optional<quint32> unixMode;  // e.g. S_IFLNK | 0777 for a link
};

// Builds a zip archive with libzip and returns its bytes.
QByteArray buildZip(const std::vector<ZipEntry>& entries);

// Replaces every occurrence of `from` by `to` (same length) in the archive's bytes: renames an
// entry in its local header and the central directory alike.
QByteArray replaceBytes(QByteArray archive, const QByteArray& from, const QByteArray& to);

// Sets the uncompressed size of every entry (local headers and central directory) to `size`.
QByteArray patchUncompressedSizes(QByteArray archive, quint32 size);

void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
// The names in `folder` (hidden ones included), sorted.
QStringList folderListing(const QString& folder);

}  // namespace trivanto::test
