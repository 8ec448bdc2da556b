#include "core/update/archive_installer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "core/update/unpack_job.h"
#include "core/update/zip_library.h"
#include "support/manual_clock.h"
#include "support/zip_builder.h"

namespace trivanto {
namespace {

using test::buildZip;
using test::folderListing;
using test::readFile;
using test::ZipEntry;

// A temporary root holding the program folder "prog" (with one old file and the game itself)
// and the archive beside it, so anything written outside the program folder shows up.
class ArchiveFixture : public testing::Test {
protected:
    void SetUp() override {
        root = m_dir.path();
        prog = root + "/prog";
        archive = root + "/package.zip";
        QDir().mkpath(prog);
        test::writeFile(prog + "/Astronomy.trv", "old astronomy");
        test::writeFile(prog + "/trivanto", "the game");
        QFile::setPermissions(prog + "/trivanto",
                              QFile::permissions(prog + "/trivanto") | QFileDevice::ExeOwner);
        m_progBefore = snapshot();
    }

    Result<UnpackReport> install(const QByteArray& bytes, const QString& sha256 = {},
                                 UnpackLimits limits = {}) {
        test::writeFile(archive, bytes);
        ArchiveInstaller installer(archive, prog, sha256, limits);
        return installer.runToEnd();
    }

    // Name and content of every file in the program folder.
    QMap<QString, QByteArray> snapshot() const {
        QMap<QString, QByteArray> files;
        for (const QString& name : folderListing(prog)) {
            files.insert(name, readFile(prog + "/" + name));
        }
        return files;
    }

    void expectUntouched() const {
        EXPECT_EQ(snapshot(), m_progBefore);
        EXPECT_EQ(folderListing(root), (QStringList{"package.zip", "prog"}));
    }

    QTemporaryDir m_dir;
    QString root, prog, archive;
    QMap<QString, QByteArray> m_progBefore;
};

TEST_F(ArchiveFixture, InstallsFlatAndReplacesFilesOfTheSameName) {
    const QByteArray big(300 * 1024, 'q');  // several steps
    const Result<UnpackReport> r = install(buildZip({{"cats/Astronomy.trv", "new astronomy"},
                                                     {"cats/", ""},
                                                     {"deep/er/Rivers.trv", big},
                                                     {"readme.txt", "hello", true}}));
    ASSERT_TRUE(r.ok()) << r.error().toStdString();
    EXPECT_EQ(r->installed, (QStringList{"Astronomy.trv", "Rivers.trv", "readme.txt"}));
    EXPECT_TRUE(r->skipped.empty());
    EXPECT_EQ(r->bytes, 13 + big.size() + 5);
    EXPECT_EQ(readFile(prog + "/Astronomy.trv"), "new astronomy");
    EXPECT_EQ(readFile(prog + "/Rivers.trv"), big);
    EXPECT_EQ(folderListing(prog),
              (QStringList{"Astronomy.trv", "Rivers.trv", "readme.txt", "trivanto"}));
    EXPECT_FALSE(QFileInfo(prog + "/Rivers.trv").isExecutable());
}

TEST_F(ArchiveFixture, TheChecksumIsCheckedBeforeAnythingIsUnpacked) {
    const QByteArray bytes = buildZip({{"Astronomy.trv", "new"}});
    const QString right =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    QString wrong = right;
    wrong[0] = wrong[0] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');

    const Result<UnpackReport> refused = install(bytes, wrong);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error().contains(QStringLiteral("checksum")));
    expectUntouched();

    const Result<UnpackReport> accepted = install(bytes, right.toUpper());
    ASSERT_TRUE(accepted.ok()) << accepted.error().toStdString();
    EXPECT_EQ(readFile(prog + "/Astronomy.trv"), "new");
}

// An archive whose entries are all refused one by one: the good entry still arrives.
struct SkipCase {
    const char* label;
    std::function<std::vector<ZipEntry>(const QString& root)> entries;
};

class HostileEntries : public ArchiveFixture, public testing::WithParamInterface<SkipCase> {};

TEST_P(HostileEntries, AreSkippedAndWriteNothingOutside) {
    std::vector<ZipEntry> entries = GetParam().entries(root);
    entries.push_back({"good.txt", "good"});
    const Result<UnpackReport> r = install(buildZip(entries));
    ASSERT_TRUE(r.ok()) << r.error().toStdString();
    EXPECT_EQ(r->installed, QStringList{"good.txt"});
    EXPECT_EQ(r->skipped.size(), entries.size() - 1);
    for (const SkippedEntry& skipped : r->skipped) {
        EXPECT_FALSE(skipped.reason.isEmpty());
    }
    QMap<QString, QByteArray> expected = m_progBefore;
    expected.insert("good.txt", "good");
    EXPECT_EQ(snapshot(), expected);
    EXPECT_EQ(folderListing(root), (QStringList{"package.zip", "prog"}));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/trivanto-evil.txt")));
}

std::vector<ZipEntry> named(std::initializer_list<const char*> names) {
    std::vector<ZipEntry> out;
    for (const char* name : names) {
        out.push_back({name, "evil"});
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileEntries,
    testing::Values(SkipCase{"Parent",
                             [](const QString&) {
                                 return named({"../evil.txt", "a/../../evil.txt"});
                             }},
                    SkipCase{"Absolute",
                             [](const QString& root) {
                                 return std::vector<ZipEntry>{
                                     {(root + "/evil.txt").toUtf8(), "evil"},
                                     {"/tmp/trivanto-evil.txt", "evil"}};
                             }},
                    SkipCase{"Backslashes",
                             [](const QString&) {
                                 return named({"..\\evil.txt", "a\\..\\..\\evil.txt"});
                             }},
                    SkipCase{"DotNames",
                             [](const QString&) {
                                 return named({".", "./evil.txt", "a/./b.txt"});
                             }},
                    SkipCase{"ControlCharacters",
                             [](const QString&) {
                                 return named({"evil\x01.txt", "evil\r.txt"});
                             }},
                    SkipCase{"SymbolicLinks",
                             [](const QString&) {
                                 return std::vector<ZipEntry>{
                                     {"link.txt", "../outside.txt", false, S_IFLNK | 0777},
                                     {"Astronomy.trv", "/etc/passwd", true, S_IFLNK | 0777},
                                     {"fifo.txt", "", false, S_IFIFO | 0644}};
                             }},
                    SkipCase{"ProgramFiles",
                             [](const QString&) {
                                 return named({"trivanto", "bin/trivanto-cat", "libzip.so.4",
                                               "setup.exe", "Trivanto.conf", "update.ini",
                                               "start.sh", ".hidden.txt"});
                             }}),
    [](const testing::TestParamInfo<SkipCase>& info) { return std::string(info.param.label); });

// Archives that are damaged or hostile as a whole: nothing at all is installed.
struct BadCase {
    const char* label;
    const char* reason;
    std::function<QByteArray()> bytes;
    UnpackLimits limits;
};

class BadArchives : public ArchiveFixture, public testing::WithParamInterface<BadCase> {};

TEST_P(BadArchives, InstallNothingAndSayWhy) {
    const Result<UnpackReport> r = install(GetParam().bytes(), {}, GetParam().limits);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains(QString::fromUtf8(GetParam().reason)))
        << r.error().toStdString();
    EXPECT_TRUE(r.error().startsWith(QStringLiteral("package.zip: "))) << r.error().toStdString();
    expectUntouched();
}

QByteArray twoGoodThenOneBad(std::function<QByteArray(QByteArray)> damage) {
    return damage(buildZip({{"first.txt", "first"},
                            {"Astronomy.trv", "new astronomy"},
                            {"third.txt", "THE STORED DATA", true}}));
}

UnpackLimits smallLimits() {
    UnpackLimits limits;
    limits.maxFileSize = 64 * 1024;
    limits.maxTotalSize = 100 * 1024;
    limits.stepBytes = 8 * 1024;
    return limits;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadArchives,
    testing::Values(
        BadCase{"NotAnArchive",
                "damaged archive",
                [] { return QByteArray("<html>404 Not Found</html>"); },
                {}},
        BadCase{"EmptyFile", "damaged archive", [] { return QByteArray(); }, {}},
        BadCase{"Truncated",
                "damaged archive",
                [] { return twoGoodThenOneBad([](QByteArray b) { return b.left(b.size() / 2); }); },
                {}},
        BadCase{"CrcWrong",
                "\"third.txt\" is damaged",
                [] {
                    return twoGoodThenOneBad([](QByteArray b) {
                        return test::replaceBytes(b, "THE STORED DATA", "THE STORED DATE");
                    });
                },
                {}},
        BadCase{"DuplicateNames",
                "damaged archive",
                [] {
                    return twoGoodThenOneBad([](QByteArray b) {
                        return test::replaceBytes(b, "third.txt", "first.txt");
                    });
                },
                {}},
        BadCase{"DuplicateAfterFlattening",
                "two entries",
                [] {
                    return buildZip({{"a/same.txt", "a"}, {"b/same.txt", "b"}});
                },
                {}},
        BadCase{"OneFileTooBig", "\"bomb.txt\" is larger",
                [] {
                    return buildZip({{"ok.txt", "ok"}, {"bomb.txt", QByteArray(65 * 1024, 0)}});
                },
                smallLimits()},
        BadCase{"AllFilesTooBig", "together",
                [] {
                    return buildZip({{"a.txt", QByteArray(40 * 1024, 0)},
                                     {"b.txt", QByteArray(40 * 1024, 0)},
                                     {"c.txt", QByteArray(40 * 1024, 0)}});
                },
                smallLimits()},
        BadCase{"SizeThatLies", "longer than stated",
                [] {
                    return test::patchUncompressedSizes(
                        buildZip({{"bomb.txt", QByteArray(200 * 1024, 0)}}), 1000);
                },
                smallLimits()},
        BadCase{"TooManyEntries", "more than 10 entries",
                [] {
                    std::vector<ZipEntry> entries;
                    for (int i = 0; i < 20; ++i) {
                        entries.push_back({QByteArray::number(i) + ".txt", "x"});
                    }
                    return buildZip(entries);
                },
                [] {
                    UnpackLimits limits;
                    limits.maxEntries = 10;
                    return limits;
                }()}),
    [](const testing::TestParamInfo<BadCase>& info) { return std::string(info.param.label); });

// libzip is loaded when the first archive is opened. Without it, or with a library that lacks
// its calls, an archive fails as a damaged one does: nothing installed, the reason named.
struct LibraryCase {
    const char* label;
    const char* library;
    int majorVersion;
    const char* reason;
};

class WithoutTheArchiveLibrary : public ArchiveFixture,
                                 public testing::WithParamInterface<LibraryCase> {};

TEST_P(WithoutTheArchiveLibrary, AnArchiveInstallsNothingAndSaysWhy) {
    test::writeFile(archive, buildZip({{"Astronomy.trv", "new astronomy"}, {"new.txt", "new"}}));
    ZipLibraryLoader loader(QString::fromLatin1(GetParam().library), GetParam().majorVersion);
    for (int attempt = 0; attempt < 2; ++attempt) {  // the second finds the same answer
        ArchiveInstaller installer(archive, prog, {}, {}, loader);
        const Result<UnpackReport> r = installer.runToEnd();
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.error().startsWith(QStringLiteral("package.zip: ")))
            << r.error().toStdString();
        EXPECT_TRUE(r.error().contains(QString::fromLatin1(GetParam().reason)))
            << r.error().toStdString();
        expectUntouched();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WithoutTheArchiveLibrary,
    testing::Values(LibraryCase{"Missing", "trivanto-no-such-zip", 4, "cannot be loaded"},
                    // zlib is in every Qt process, and holds none of libzip's calls.
                    LibraryCase{"WithoutItsCalls", "z", 1, "lacks zip_open"}),
    [](const testing::TestParamInfo<LibraryCase>& info) { return std::string(info.param.label); });

TEST_F(ArchiveFixture, AMissingArchiveIsReported) {
    ArchiveInstaller installer(root + "/nothing.zip", prog);
    const Result<UnpackReport> r = installer.runToEnd();
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(snapshot(), m_progBefore);
}

TEST_F(ArchiveFixture, AFolderOrProgramInTheWayIsNotReplaced) {
    QDir().mkpath(prog + "/Rivers.trv");
    test::writeFile(prog + "/tool.txt", "runs");
    QFile::setPermissions(prog + "/tool.txt",
                          QFile::permissions(prog + "/tool.txt") | QFileDevice::ExeOwner);
    const Result<UnpackReport> r =
        install(buildZip({{"Rivers.trv", "x"}, {"tool.txt", "y"}, {"ok.txt", "z"}}));
    ASSERT_TRUE(r.ok()) << r.error().toStdString();
    EXPECT_EQ(r->installed, QStringList{"ok.txt"});
    EXPECT_EQ(r->skipped.size(), 2u);
    EXPECT_TRUE(QFileInfo(prog + "/Rivers.trv").isDir());
    EXPECT_EQ(readFile(prog + "/tool.txt"), "runs");
}

// The unpacking runs on timer ticks; the window keeps answering in between.
TEST_F(ArchiveFixture, AJobWorksInStepsAndReportsOnATick) {
    ManualClock clock;
    UnpackLimits limits;
    limits.stepBytes = 16 * 1024;
    UnpackJob job(clock, limits);
    test::writeFile(archive,
                    buildZip({{"big.txt", QByteArray(200 * 1024, 'b')}, {"Astronomy.trv", "new"}}));
    QDir().mkpath(prog + "/.trivanto-unpack-left");  // left by a crash
    std::vector<int> progress;
    std::optional<Result<UnpackReport>> result;
    job.start(
        archive, prog, {}, [&](int p) { progress.push_back(p); },
        [&](const Result<UnpackReport>& r) { result = r; });
    EXPECT_TRUE(job.isRunning());
    EXPECT_FALSE(result);  // nothing inside start()
    clock.advanceToNextTimer();
    EXPECT_FALSE(result);
    clock.runAllTimers();
    ASSERT_TRUE(result);
    ASSERT_TRUE(result->ok()) << result->error().toStdString();
    EXPECT_FALSE(job.isRunning());
    EXPECT_GT(progress.size(), 10u);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 100);
    EXPECT_EQ(readFile(prog + "/Astronomy.trv"), "new");
    EXPECT_EQ(folderListing(prog), (QStringList{"Astronomy.trv", "big.txt", "trivanto"}));
}

TEST_F(ArchiveFixture, ACancelledJobInstallsNothingAndLeavesNoStaging) {
    ManualClock clock;
    UnpackLimits limits;
    limits.stepBytes = 8 * 1024;
    UnpackJob job(clock, limits);
    test::writeFile(archive,
                    buildZip({{"Astronomy.trv", "new"}, {"big.txt", QByteArray(100 * 1024, 'b')}}));
    bool done = false;
    job.start(archive, prog, {}, {}, [&](const Result<UnpackReport>&) { done = true; });
    for (int i = 0; i < 5; ++i) {
        clock.advanceToNextTimer();
    }
    job.cancel();
    clock.runAllTimers();
    EXPECT_FALSE(done);
    EXPECT_FALSE(job.isRunning());
    EXPECT_EQ(snapshot(), m_progBefore);
}

}  // namespace
}  // namespace trivanto
