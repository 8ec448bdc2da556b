#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>
#include <csignal>

#include "core/common/whole_file.h"
#include "support/save_files.h"

namespace trivanto {
namespace {

using savetest::readBytes;
using savetest::writeBytes;

// Lowers the largest file this process may write, so a write runs into the limit halfway;
// the signal the system sends for it is ignored, so the write just fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(WriteWholeFile, AWriteThatFailsHalfwayLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("game.sav"));
    const QByteArray old(134852, 'o');
    ASSERT_TRUE(writeBytes(file, old));
    {
        FileSizeLimit limit(4096);
        const Status written = writeWholeFile(file, QByteArray(134852, 'n'));
        ASSERT_FALSE(written.ok());
        EXPECT_TRUE(written.error().contains(QStringLiteral("game.sav")))
            << written.error().toStdString();
    }
    EXPECT_EQ(readBytes(file), old);
    // Nothing half-written is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("game.sav")});

    // Without the limit the new content replaces the old one whole.
    ASSERT_TRUE(writeWholeFile(file, QByteArray(134852, 'n')).ok());
    EXPECT_EQ(readBytes(file), QByteArray(134852, 'n'));
}

TEST(ReadFileStart, ReadsAtMostTheRecordAndRefusesWhatIsNoPlainFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("long.sav"));
    ASSERT_TRUE(writeBytes(file, QByteArray(1000, 'x')));
    const auto start = readFileStart(file, 10, QStringLiteral("a saved game"));
    ASSERT_TRUE(start.ok());
    EXPECT_EQ(*start, QByteArray(10, 'x'));

    // A pipe would block the program until someone writes into it: refused without opening.
    const QString pipe = dir.filePath(QStringLiteral("pipe.sav"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const auto fromPipe = readFileStart(pipe, 10, QStringLiteral("a saved game"));
    ASSERT_FALSE(fromPipe.ok());
    EXPECT_TRUE(fromPipe.error().contains(QStringLiteral("pipe.sav")));

    const auto missing =
        readFileStart(dir.filePath(QStringLiteral("gone.sav")), 10, QStringLiteral("a saved game"));
    EXPECT_FALSE(missing.ok());
    const auto folder = readFileStart(dir.path(), 10, QStringLiteral("a saved game"));
    ASSERT_FALSE(folder.ok());
    EXPECT_TRUE(folder.error().contains(QStringLiteral("folder")));
}

}  // namespace
}  // namespace trivanto
