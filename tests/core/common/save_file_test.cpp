#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include "core/common/regular_file.h"
#include "core/common/save_file.h"
#include "support/small_disk.h"

namespace trivanto {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class SaveFile : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    void put(const QString& file, const QByteArray& bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }
    QTemporaryDir m_dir;
};

// A small file sits in Qt's write buffer until the commit; a large one is written at once.
// Either way a disk that refuses keeps the old file whole and gives its reason.
TEST_F(SaveFile, AFullDiskKeepsTheOldFileAndSaysWhy) {
    for (const qsizetype size : {qsizetype(100), qsizetype(133866)}) {
        const QString target = path("kept.dat");
        put(target, "old contents");
        Status saved;
        {
            const SmallDisk disk(50);
            saved = saveWholeFile(target, QByteArray(size, 'n'));
        }
        EXPECT_FALSE(saved.ok()) << size;
        EXPECT_TRUE(
            saved.error().endsWith(QStringLiteral("cannot be written: ") + SmallDisk::reason()))
            << saved.error().toStdString();
        EXPECT_EQ(contents(target), QByteArray("old contents")) << size;
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"kept.dat"}) << size;
    }
}

TEST_F(SaveFile, CommitAfterAWriteIntoTheBufferChecksThePush) {
    const QString target = path("buffered.dat");
    put(target, "old");
    QSaveFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    Status committed;
    {
        const SmallDisk disk(10);
        // Accepted into the buffer: the disk is only asked at the end.
        ASSERT_EQ(file.write(QByteArray(64, 'x')), 64);
        committed = commitSaveFile(file);
    }
    EXPECT_EQ(committed.error(), SmallDisk::reason());
    EXPECT_EQ(contents(target), QByteArray("old"));
}

TEST_F(SaveFile, WriteProblemNamesTheSystemsReason) {
    put(path("plain"), "x");
    put(path("settings.conf"), "[Players]\n");
    QDir(m_dir.path()).mkdir(QStringLiteral("folder.conf"));
    ASSERT_TRUE(makeFifo(path("fifo.conf")));
    const struct {
        const char* name;
        QString file;
        long long diskLimit;  // 0: no limit
        QString problem;
    } cases[] = {
        {"writable file", path("settings.conf"), 0, {}},
        {"new file", path("new.conf"), 0, {}},
        {"folder in its place", path("folder.conf"), 0, QStringLiteral("is a folder")},
        {"fifo in its place", path("fifo.conf"), 0, QStringLiteral("is not a regular file")},
        {"below a plain file", path("plain") + QStringLiteral("/x.conf"), 0,
         QStringLiteral("Not a directory")},
        {"full disk", path("settings.conf"), 100, SmallDisk::reason()},
    };
    for (const auto& c : cases) {
        QString problem;
        if (c.diskLimit > 0) {
            const SmallDisk disk(c.diskLimit);
            problem = writeProblem(c.file);
        } else {
            problem = writeProblem(c.file);
        }
        EXPECT_EQ(problem, c.problem) << c.name;
    }
    // Trying leaves nothing behind and the file as it was.
    EXPECT_EQ(contents(path("settings.conf")), QByteArray("[Players]\n"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{"fifo.conf", "folder.conf", "plain", "settings.conf"}));
}

TEST_F(SaveFile, OnlyRegularFilesCountAsFiles) {
    put(path("plain.trv"), "x");
    ASSERT_TRUE(makeFifo(path("fifo.trv")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path("zero.trv")));
    ASSERT_TRUE(QFile::link(path("plain.trv"), path("link.trv")));
    QDir(m_dir.path()).mkdir(QStringLiteral("folder.trv"));
    const struct {
        const char* name;
        QString problem;
    } cases[] = {
        {"plain.trv", {}},
        {"link.trv", {}},
        {"missing.trv", {}},
        {"fifo.trv", QStringLiteral("is not a regular file")},
        {"zero.trv", QStringLiteral("is not a regular file")},
        {"folder.trv", QStringLiteral("is a folder")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nonRegularFileProblem(path(c.name)), c.problem) << c.name;
    }
}

}  // namespace
}  // namespace trivanto
