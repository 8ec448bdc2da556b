#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/app/shipped_manifest.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

const QByteArray kHashA = QByteArray(64, 'a');
const QByteArray kHashB = QByteArray("0123456789abcdef").repeated(4);

QString writeText(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath(QStringLiteral("list.sha256"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    return path;
}

TEST(ShippedManifest, WrittenListReadsBackAndChecksWithSha256sum) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ShippedManifest manifest{{QStringLiteral("Art and Architecture.trv"), kHashA},
                                   {QStringLiteral("Geschichte für Kinder.trv"), kHashB},
                                   {QStringLiteral("help/index.html"), kHashB}};
    const QString path = dir.filePath(QStringLiteral("list.sha256"));
    ASSERT_TRUE(writeShippedManifest(path, manifest).ok());

    const Result<ShippedManifest> read = readShippedManifest(path);
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    EXPECT_EQ(*read, manifest);
    // sha256sum's own form: hash, two blanks, the name in UTF-8, sorted by name.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readLine().startsWith(kHashA + "  Art and Architecture.trv\n"));
}

TEST(ShippedManifest, BinaryMarksUpperCaseHexAndEmptyLinesAreRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Result<ShippedManifest> read = readShippedManifest(
        writeText(dir, kHashB.toUpper() + " *banner.dat\r\n\n" + kHashA + "  audio01.snd\n"));
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    EXPECT_EQ(read->value(QStringLiteral("banner.dat")), kHashB);
    EXPECT_EQ(read->value(QStringLiteral("audio01.snd")), kHashA);
}

struct BadList {
    const char* name;
    QByteArray content;
};

class ShippedManifestRefuses : public ::testing::TestWithParam<BadList> {};

TEST_P(ShippedManifestRefuses, TheWholeFileWithTheLineNumber) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Result<ShippedManifest> read =
        readShippedManifest(writeText(dir, kHashA + "  good.trv\n" + GetParam().content + "\n"));
    ASSERT_FALSE(read.ok());
    EXPECT_TRUE(read.error().startsWith(QStringLiteral("line 2:"))) << read.error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Lines, ShippedManifestRefuses,
                         ::testing::Values(BadList{"ShortHash", QByteArray(63, 'a') + "  x.trv"},
                                           BadList{"NotHex", QByteArray(64, 'g') + "  x.trv"},
                                           BadList{"OneBlank", kHashA + " x.trv"},
                                           BadList{"NoName", kHashA + "  "},
                                           BadList{"ParentFolder", kHashA + "  ../x.trv"},
                                           BadList{"Absolute", kHashA + "  /etc/passwd"},
                                           BadList{"EmptyPart", kHashA + "  help//x.html"},
                                           BadList{"Hidden", kHashA + "  .shipped-files.sha256"},
                                           BadList{"Backslash", kHashA + "  help\\x.html"},
                                           BadList{"ControlCharacter", kHashA + "  x\x01.trv"},
                                           BadList{"Twice", kHashB + "  good.trv"}),
                         [](const ::testing::TestParamInfo<BadList>& info) {
                             return testName(info.param.name);
                         });

TEST(ShippedManifest, MissingFileIsAFailure) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(readShippedManifest(dir.filePath(QStringLiteral("none"))).ok());
}

TEST(ShippedManifest, FileChecksumIsSha256InLowerCaseHex) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Result<QByteArray> sum = fileSha256(writeText(dir, "abc"));
    ASSERT_TRUE(sum.ok());
    EXPECT_EQ(*sum, QByteArray("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
    EXPECT_FALSE(fileSha256(dir.filePath(QStringLiteral("none"))).ok());
}

}  // namespace
}  // namespace trivanto
