// The local copy of the on-line list: its exact bytes and every way a file can be damaged.
#include "core/scores/top_list_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/common/file_path.h"

namespace trivanto {
namespace {

class TopListFileTest : public ::testing::Test {
protected:
    QString path() const { return filePath(m_dir.path(), TTopListFile::defaultName()); }
    void writeBytes(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray readBytes() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    QTemporaryDir m_dir;
    TTopListFile m_file{path()};
};

TEST_F(TopListFileTest, EmptyListIsFourZeroBytes) {
    ASSERT_TRUE(m_file.Save({}).ok());
    EXPECT_EQ(readBytes(), QByteArray(4, '\0'));
    const Result<TTopListEntryList> loaded = m_file.Load();
    ASSERT_TRUE(loaded.ok()) << loaded.error().toStdString();
    EXPECT_TRUE(loaded->isEmpty());
}

TEST_F(TopListFileTest, OneEntryIsThirtySixBytesInFileOrder) {
    const TTopListEntryList list = {
        {1, 5000, QStringLiteral("Max"), {}, QStringLiteral("english"), {}}};
    ASSERT_TRUE(m_file.Save(list).ok());
    EXPECT_EQ(readBytes().toHex(' '),
              QByteArray("01 00 00 00 01 00 03 00 00 00 4d 61 78 00 00 00 00 88 13 00 00 07 00 "
                         "00 00 65 6e 67 6c 69 73 68 00 00 00 00"));
    EXPECT_EQ(readBytes().size(), 36);
    EXPECT_EQ(m_file.Load().value(), list);
}

TEST_F(TopListFileTest, SavedListsLoadBackFieldByField) {
    const TTopListEntryList list = {
        {1, 123456, QStringLiteral("Anna~Lee"), QStringLiteral("anna@lee.test"),
         QStringLiteral("english"), QStringLiteral("2024-03-04")},
        {2, -2500, QStringLiteral("J\u00fcrgen \u00b0"), QStringLiteral("j@\u00e4.de"),
         QStringLiteral("deutsch"), QStringLiteral("x~y\u20ac")},
        {-7, 0, {}, {}, {}, {}},
    };
    ASSERT_TRUE(m_file.Save(list).ok());
    EXPECT_EQ(m_file.Load().value(), list);
    // Bytes after the last record are ignored.
    writeBytes(readBytes() + "trailing");
    EXPECT_EQ(m_file.Load().value(), list);
}

TEST_F(TopListFileTest, DamagedFilesLoadAsFailureWithoutEntries) {
    const TTopListEntryList three = {
        {1, 3, QStringLiteral("A"), QStringLiteral("a@a.a"), QStringLiteral("english"), {}},
        {2, 2, QStringLiteral("B"), QStringLiteral("b@b.b"), QStringLiteral("english"), {}},
        {3, 1, QStringLiteral("C"), QStringLiteral("c@c.c"), QStringLiteral("english"), {}},
    };
    const QByteArray whole = topListFileBytes(three);
    const QByteArray oneEntry = topListFileBytes({three.at(0)});
    const auto withInt32At = [](QByteArray bytes, qsizetype at, qint32 value) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + i] = char((quint32(value) >> (8 * i)) & 0xFF);
        }
        return bytes;
    };
    const std::pair<const char*, QByteArray> cases[] = {
        {"cut inside the third record", whole.left(whole.size() - 10)},
        {"cut inside the count", QByteArray("\x01\x00", 2)},
        {"nothing at all", QByteArray()},
        {"negative count", withInt32At(oneEntry, 0, -1)},
        {"count far beyond the bytes", withInt32At(oneEntry, 0, 0x7FFFFFFF)},
        {"negative text length", withInt32At(oneEntry, 6, -5)},
        {"text length beyond the bytes", withInt32At(oneEntry, 6, 0x7FFFFFF0)},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        writeBytes(bytes);
        const Result<TTopListEntryList> loaded = m_file.Load();
        EXPECT_FALSE(loaded.ok());
        EXPECT_TRUE(loaded.error().contains(path())) << loaded.error().toStdString();
    }
    EXPECT_FALSE(TTopListFile(filePath(m_dir.path(), QStringLiteral("missing.dat"))).Load().ok());
}

TEST_F(TopListFileTest, FailedSaveLeavesThePreviousFile) {
    writeBytes("previous");
    // A folder in the way of the temporary file: the save cannot complete.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("blocked")));
    const TTopListFile blocked(
        filePath(m_dir.filePath(QStringLiteral("blocked")), QStringLiteral("no/such/toplist.dat")));
    EXPECT_FALSE(blocked.Save({}).ok());
    EXPECT_EQ(readBytes(), QByteArray("previous"));
    // The file itself is a folder.
    const TTopListFile folder(m_dir.filePath(QStringLiteral("blocked")));
    EXPECT_FALSE(folder.Save({}).ok());
    EXPECT_TRUE(QFileInfo(m_dir.filePath(QStringLiteral("blocked"))).isDir());
}

TEST_F(TopListFileTest, LastWriteTimeIsTheRefreshTime) {
    EXPECT_FALSE(m_file.lastWriteTime().has_value());
    ASSERT_TRUE(m_file.Save({}).ok());
    ASSERT_TRUE(m_file.lastWriteTime().has_value());
    EXPECT_EQ(*m_file.lastWriteTime(), QFileInfo(path()).lastModified());
}

}  // namespace
}  // namespace trivanto
