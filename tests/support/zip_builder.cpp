#include "support/zip_builder.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace trivanto::test {

QByteArray buildZip(const std::vector<ZipEntry>& entries) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("built.zip"));
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (zip == nullptr) {
        ADD_FAILURE() << "zip_open failed: " << error;
        return {};
    }
    for (const ZipEntry& entry : entries) {
        zip_source_t* source =
            zip_source_buffer(zip, entry.data.constData(), zip_uint64_t(entry.data.size()), 0);
        const zip_int64_t index = zip_file_add(zip, entry.name.constData(), source, ZIP_FL_ENC_RAW);
        if (index < 0) {
            zip_source_free(source);
            ADD_FAILURE() << "cannot add " << entry.name.constData() << ": " << zip_strerror(zip);
            continue;
        }
        zip_set_file_compression(zip, zip_uint64_t(index),
                                 entry.store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
        zip_file_set_mtime(zip, zip_uint64_t(index), 946684800, 0);
        if (entry.unixMode) {
            zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             *entry.unixMode << 16);
        }
    }
    if (zip_close(zip) != 0) {
        ADD_FAILURE() << "zip_close failed: " << zip_strerror(zip);
        zip_discard(zip);
        return {};
    }
    return readFile(path);
}

QByteArray replaceBytes(QByteArray archive, const QByteArray& from, const QByteArray& to) {
    EXPECT_EQ(from.size(), to.size());
    EXPECT_TRUE(archive.contains(from));
    return archive.replace(from, to);
}

QByteArray patchUncompressedSizes(QByteArray archive, quint32 size) {
    const QByteArray local("PK\x03\x04", 4);
    const QByteArray central("PK\x01\x02", 4);
    for (qsizetype at = archive.indexOf(local); at >= 0; at = archive.indexOf(local, at + 4)) {
        qToLittleEndian<quint32>(size, archive.data() + at + 22);
    }
    for (qsizetype at = archive.indexOf(central); at >= 0; at = archive.indexOf(central, at + 4)) {
        qToLittleEndian<quint32>(size, archive.data() + at + 24);
    }
    return archive;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList folderListing(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace trivanto::test
