#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/common/file_path.h"
#include "core/questions/category_files.h"
#include "core/questions/question_file.h"

namespace trivanto {
namespace {

// What the open dialog calls readable is exactly what ReadQuestionFile reads.
TEST(CategoryFiles, ReadableMeansReadQuestionFileSucceeds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct FileCase {
        const char* name;
        qsizetype size;  // -1: none
        bool readable;
    };
    const FileCase cases[] = {
        {"missing.trv", -1, false},
        {"empty.trv", 0, false},
        {"short.trv", kQuestionFileSize - 1, false},
        {"whole.trv", kQuestionFileSize, true},
        {"longer.trv", kQuestionFileSize + 100, true},
    };
    for (const FileCase& c : cases) {
        const QString path = filePath(dir.path(), QLatin1String(c.name));
        if (c.size >= 0) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(QByteArray(c.size, 'x')), c.size);
        }
        EXPECT_EQ(categoryFileReadable(path), c.readable) << c.name;
        EXPECT_EQ(ReadQuestionFile(path).ok(), c.readable) << c.name;
    }

    const QString folder = filePath(dir.path(), QStringLiteral("folder.trv"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_FALSE(categoryFileReadable(folder));

    const QString locked = filePath(dir.path(), QStringLiteral("whole.trv"));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    // Root reads whatever the permissions say.
    EXPECT_EQ(categoryFileReadable(locked), geteuid() == 0);
    EXPECT_EQ(ReadQuestionFile(locked).ok(), geteuid() == 0);
}

TEST(CategoryFiles, ListsOnlyFilesThatEndInTrv) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"b.trv", "a.trv", "notes.txt", "trv", "c.trv.bak"}) {
        QFile file(filePath(dir.path(), QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir().mkdir(filePath(dir.path(), QStringLiteral("d.trv"))));
    EXPECT_EQ(categoryFileNames(dir.path()),
              (QStringList{QStringLiteral("a.trv"), QStringLiteral("b.trv")}));
}

}  // namespace
}  // namespace trivanto
