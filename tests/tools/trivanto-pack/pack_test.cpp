// trivanto-pack builds what the update server serves; the game's own catalogue reader and
// unpacker read it back.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include "core/update/archive_installer.h"
#include "core/update/update_catalogue.h"
#include "tools/trivanto-cat/runner.h"

namespace trivanto::test {
namespace {

CatResult runPack(const QStringList& args) {
    return runProgram(QStringLiteral(TRIVANTO_PACK_PATH), args);
}

QString sha256Of(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

// A publisher's folder: two groups, a one-file package, a folder package with a start file,
// metadata in UTF-8, a banner.
class PackTest : public testing::Test {
protected:
    void SetUp() override {
        const QString src = source();
        QDir().mkpath(src + "/01 Categories/Rivers");
        QDir().mkpath(src + "/02 Sounds");
        QDir().mkpath(src + "/03 Empty");
        m_folder.write("src/01 Categories/Astronomy.trv", QByteArray(5000, 'a'));
        m_folder.write("src/01 Categories/Rivers/Rivers.trv", "rivers");
        m_folder.write("src/01 Categories/Rivers/Flüsse.txt", "read me");
        m_folder.write("src/01 Categories/group.ini",
                       "[Group]\nExpanded=true\n"
                       "[Rivers]\nName=Rivers of Europe\nText=Große Flüsse\n"
                       "Start=Flüsse.txt\n");
        m_folder.write("src/02 Sounds/Voices.snd", "voices");
        m_folder.write("src/head.ini", "[Head]\nInfo=Spring 2024\n");
        m_folder.write("src/banner.gif", "GIF89a");
    }

    QString source() const { return m_folder.path("src"); }
    QString served() const { return m_folder.path("out/Orvalquest"); }

    TempFolder m_folder;
};

TEST_F(PackTest, TheGameReadsTheCatalogueAndInstallsEveryPackage) {
    const CatResult r = runPack({source(), "-o", m_folder.path("out")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("03 Empty")));  // a warning, not a failure
    EXPECT_EQ(m_folder.read("out/Orvalquest/banner.ar2"), "GIF89a");

    const Result<UpdateCatalogue> catalogue = UpdateCatalogue::read(served() + "/update.ar2");
    ASSERT_TRUE(catalogue.ok()) << catalogue.error().toStdString();
    EXPECT_EQ(catalogue->head().info, QStringLiteral("Spring 2024"));
    EXPECT_FALSE(catalogue->hasMessage());
    ASSERT_EQ(catalogue->groups().size(), 2u);
    const CatalogueGroup& categories = catalogue->groups()[0];
    EXPECT_EQ(categories.heading, QStringLiteral("Categories"));
    EXPECT_TRUE(categories.expanded);
    ASSERT_EQ(categories.packages.size(), 2u);
    const CataloguePackage& astronomy = categories.packages[0];
    EXPECT_EQ(astronomy.name, QStringLiteral("Astronomy"));
    EXPECT_EQ(astronomy.date, QStringLiteral("2000-01-01"));
    EXPECT_EQ(astronomy.fileName, QStringLiteral("Astronomy.zip"));
    const CataloguePackage& rivers = categories.packages[1];
    EXPECT_EQ(rivers.name, QStringLiteral("Rivers of Europe"));
    EXPECT_EQ(rivers.text, QString::fromUtf8("Große Flüsse"));
    EXPECT_EQ(rivers.startFile, QString::fromUtf8("Flüsse.txt"));
    EXPECT_EQ(catalogue->groups()[1].heading, QStringLiteral("Sounds"));
    EXPECT_FALSE(catalogue->groups()[1].expanded);

    const QString prog = m_folder.path("prog");
    QDir().mkpath(prog);
    for (const CatalogueGroup& group : catalogue->groups()) {
        for (const CataloguePackage& package : group.packages) {
            const QString archive = served() + "/" + package.fileName;
            ASSERT_TRUE(package.available()) << package.problem.toStdString();
            EXPECT_EQ(package.sha256, sha256Of(archive));
            EXPECT_EQ(package.size, QStringLiteral("%1 bytes").arg(QFileInfo(archive).size()));
            ArchiveInstaller installer(archive, prog, package.sha256);
            const Result<UnpackReport> installed = installer.runToEnd();
            ASSERT_TRUE(installed.ok()) << installed.error().toStdString();
            EXPECT_TRUE(installed->skipped.empty());
        }
    }
    EXPECT_EQ(QDir(prog).entryList(QDir::Files, QDir::Name),
              (QStringList{"Astronomy.trv", QString::fromUtf8("Flüsse.txt"), "Rivers.trv",
                           "Voices.snd"}));
    EXPECT_EQ(m_folder.read("prog/Astronomy.trv"), QByteArray(5000, 'a'));
}

TEST_F(PackTest, SameSourceSameBytes) {
    ASSERT_EQ(runPack({source(), "-o", m_folder.path("one")}).exitCode, 0);
    ASSERT_EQ(runPack({source(), "-o", m_folder.path("two")}).exitCode, 0);
    for (const char* name : {"update.ar2", "Astronomy.zip", "Rivers.zip", "Voices.zip"}) {
        EXPECT_EQ(m_folder.read(QStringLiteral("one/Orvalquest/") + name),
                  m_folder.read(QStringLiteral("two/Orvalquest/") + name))
            << name;
    }
}

TEST_F(PackTest, GermanGoesToItsOwnFolderAndName) {
    const CatResult r = runPack({source(), "-o", m_folder.path("out"), "--language", "deutsch"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(UpdateCatalogue::read(m_folder.path("out/orvalquest/update.ar1")).ok());
    EXPECT_TRUE(QFile::exists(m_folder.path("out/orvalquest/banner.ar1")));
}

TEST_F(PackTest, AHeadMessageIsPublishedWithUsableDefaults) {
    m_folder.write("src/head.ini", "[Head]\nMessageText=Closed until Monday\n");
    ASSERT_EQ(runPack({source(), "-o", m_folder.path("out")}).exitCode, 0);
    const Result<UpdateCatalogue> catalogue = UpdateCatalogue::read(served() + "/update.ar2");
    ASSERT_TRUE(catalogue.ok());
    EXPECT_TRUE(catalogue->hasMessage());
    EXPECT_TRUE(catalogue->head().messageWidthGiven);
    EXPECT_TRUE(catalogue->head().messageWordWrap);
}

struct RefusalCase {
    const char* label;
    const char* file;  // written below src/
    QByteArray content;
    const char* reason;
};

class PackRefusal : public PackTest, public testing::WithParamInterface<RefusalCase> {};

// What the game would refuse or skip is refused here, before anything is served.
TEST_P(PackRefusal, NamesTheProblemAndWritesNoCatalogue) {
    const RefusalCase& c = GetParam();
    if (QString::fromUtf8(c.file).endsWith(QLatin1Char('/'))) {
        QDir().mkpath(m_folder.path(QStringLiteral("src/") + c.file));
    } else {
        m_folder.write(QStringLiteral("src/") + c.file, c.content);
    }
    const CatResult r = runPack({source(), "-o", m_folder.path("out")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.reason))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(served() + "/update.ar2"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PackRefusal,
    testing::Values(
        RefusalCase{"Program", "01 Categories/Rivers/install.sh", "#!/bin/sh", "would not install"},
        RefusalCase{"NoExtension", "02 Sounds/trivanto", "x", "would not install"},
        RefusalCase{"SubFolder", "01 Categories/Rivers/more/", {}, "a folder inside a package"},
        RefusalCase{"EmptyPackage", "02 Sounds/Nothing/", {}, "the package is empty"},
        RefusalCase{"StartNotADocument", "01 Categories/group.ini", "[Rivers]\nStart=Rivers.trv\n",
                    "must be a document"},
        RefusalCase{"StartMissing", "01 Categories/group.ini", "[Rivers]\nStart=gone.txt\n",
                    "must be a document"},
        RefusalCase{"OutsideTheCodePage", "02 Sounds/\xe2\x82\xac\xe2\x98\x83.snd", "x",
                    "outside Windows-1252"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.label); });

TEST(PackCommandLine, WrongUseIsExitTwo) {
    TempFolder folder;
    EXPECT_EQ(runPack({}).exitCode, 2);
    EXPECT_EQ(runPack({folder.dir()}).exitCode, 2);
    EXPECT_EQ(runPack({folder.dir(), "-o"}).exitCode, 2);
    EXPECT_EQ(runPack({folder.dir(), "-o", folder.path("out"), "--language", "klingon"}).exitCode,
              2);
    EXPECT_EQ(runPack({"--help"}).exitCode, 0);
    const CatResult missing = runPack({folder.path("nothing"), "-o", folder.path("out")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no such folder")));
    const CatResult empty = runPack({folder.dir(), "-o", folder.path("out")});
    EXPECT_EQ(empty.exitCode, 1);
}

}  // namespace
}  // namespace trivanto::test
