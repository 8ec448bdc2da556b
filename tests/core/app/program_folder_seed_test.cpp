#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "core/app/program_folder_seed.h"
#include "core/app/shipped_manifest.h"
#include "support/small_disk.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

// A shipped folder with its list, and a user's program folder.
class ProgramFolderSeed : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        ASSERT_TRUE(QDir(m_tmp.path()).mkpath(QStringLiteral("shipped")));
        ASSERT_TRUE(QDir(m_tmp.path()).mkpath(QStringLiteral("prog")));
    }

    QString shipped() const { return m_tmp.filePath(QStringLiteral("shipped")); }
    QString prog() const { return m_tmp.filePath(QStringLiteral("prog")); }

    // Ships `content` as `name` (read-only, as a package installs it) and lists it.
    void ship(const QString& name, const QByteArray& content) {
        const QString path = shipped() + QLatin1Char('/') + name;
        QFile::remove(path);
        write(path, content);
        QFile::setPermissions(
            path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        m_manifest.insert(name,
                          QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
        relist();
    }
    void unship(const QString& name) {
        QFile::remove(shipped() + QLatin1Char('/') + name);
        m_manifest.remove(name);
        relist();
    }
    void relist() {
        ASSERT_TRUE(
            writeShippedManifest(shipped() + QLatin1Char('/') + kShippedManifestName, m_manifest)
                .ok());
    }

    void putUser(const QString& name, const QByteArray& content) {
        write(prog() + QLatin1Char('/') + name, content);
    }
    std::optional<QByteArray> user(const QString& name) const {
        QFile file(prog() + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        return file.readAll();
    }

    SeedOutcome seed() { return seedProgramFolder(shipped(), prog()); }

    static void write(const QString& path, const QByteArray& content) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        file.write(content);
    }

    QTemporaryDir m_tmp;
    ShippedManifest m_manifest;
};

const QString kSport = QStringLiteral("Sport.trv");

enum class UserDoes { Nothing, Writes, Removes };
enum class Listed { Nowhere, Copied, Updated, Kept };

struct SeedCase {
    const char* name;
    std::optional<QByteArray> shippedEarlier;  // seeded once before, as an earlier package did
    UserDoes action;                           // then, before this start
    QByteArray shippedNow;
    std::optional<QByteArray> expected;  // the user's file after this start
    Listed listed;
};

class ProgramFolderSeedCases : public ProgramFolderSeed,
                               public ::testing::WithParamInterface<SeedCase> {};

TEST_P(ProgramFolderSeedCases, OneShippedCategory) {
    const SeedCase& c = GetParam();
    if (c.shippedEarlier) {
        ship(kSport, *c.shippedEarlier);
        const SeedOutcome earlier = seed();
        ASSERT_TRUE(earlier.problems.isEmpty()) << earlier.problems.join(u'\n').toStdString();
    }
    if (c.action == UserDoes::Writes) {
        putUser(kSport, "the user's own questions");
    } else if (c.action == UserDoes::Removes) {
        ASSERT_TRUE(QFile::remove(prog() + QLatin1Char('/') + kSport));
    }
    ship(kSport, c.shippedNow);

    const SeedOutcome outcome = seed();
    EXPECT_TRUE(outcome.problems.isEmpty()) << outcome.problems.join(u'\n').toStdString();
    EXPECT_EQ(user(kSport), c.expected);
    const QStringList only{kSport};
    EXPECT_EQ(outcome.copied, c.listed == Listed::Copied ? only : QStringList());
    EXPECT_EQ(outcome.updated, c.listed == Listed::Updated ? only : QStringList());
    EXPECT_EQ(outcome.kept, c.listed == Listed::Kept ? only : QStringList());

    // The next start with the same package finds nothing to do.
    const SeedOutcome again = seed();
    EXPECT_TRUE(again.copied.isEmpty() && again.updated.isEmpty() && again.kept.isEmpty() &&
                again.problems.isEmpty());
    EXPECT_EQ(user(kSport), c.expected);
}

const QByteArray kOwn = "the user's own questions";

INSTANTIATE_TEST_SUITE_P(
    Decisions, ProgramFolderSeedCases,
    ::testing::Values(SeedCase{"FirstStartCopies", std::nullopt, UserDoes::Nothing, "v1", "v1",
                               Listed::Copied},
                      SeedCase{"NewerVersionReplacesAnUnchangedCopy", "v1", UserDoes::Nothing, "v2",
                               "v2", Listed::Updated},
                      SeedCase{"NewerVersionLeavesAChangedCopy", "v1", UserDoes::Writes, "v2", kOwn,
                               Listed::Kept},
                      SeedCase{"NewerVersionDoesNotBringBackARemovedFile", "v1", UserDoes::Removes,
                               "v2", std::nullopt, Listed::Kept},
                      SeedCase{"SameVersionLeavesAChangedCopy", "v1", UserDoes::Writes, "v1", kOwn,
                               Listed::Nowhere},
                      SeedCase{"SameVersionDoesNotBringBackARemovedFile", "v1", UserDoes::Removes,
                               "v1", std::nullopt, Listed::Nowhere},
                      SeedCase{"UsersOwnFileUnderAShippedNameStays", std::nullopt, UserDoes::Writes,
                               "v1", kOwn, Listed::Kept},
                      SeedCase{"UsersFileEqualToTheShippedOneStaysQuietly", std::nullopt,
                               UserDoes::Writes, kOwn, kOwn, Listed::Nowhere}),
    [](const ::testing::TestParamInfo<SeedCase>& info) { return testName(info.param.name); });

TEST_F(ProgramFolderSeed, AChangedCopyStaysThroughEveryLaterVersion) {
    ship(kSport, "v1");
    static_cast<void>(seed());
    putUser(kSport, kOwn);
    for (const char* version : {"v2", "v3"}) {
        ship(kSport, version);
        EXPECT_EQ(seed().kept, QStringList{kSport});
        EXPECT_EQ(user(kSport), kOwn);
    }
}

TEST_F(ProgramFolderSeed, UsersCategoriesAndFilesNoLongerShippedStay) {
    ship(kSport, "v1");
    ship(QStringLiteral("Music.trv"), "v1");
    static_cast<void>(seed());
    putUser(QStringLiteral("Mine.trv"), kOwn);
    unship(QStringLiteral("Music.trv"));
    ship(kSport, "v2");

    const SeedOutcome outcome = seed();
    EXPECT_EQ(outcome.updated, QStringList{kSport});
    EXPECT_EQ(user(QStringLiteral("Mine.trv")), kOwn);
    EXPECT_EQ(user(QStringLiteral("Music.trv")), QByteArray("v1"));
}

TEST_F(ProgramFolderSeed, HelpPagesLandInTheirFoldersAsTheUsersOwnFiles) {
    ship(QStringLiteral("help/index.html"), "<p>Help</p>");
    ship(QStringLiteral("hilfe/index.html"), "<p>Hilfe</p>");

    const SeedOutcome outcome = seed();
    EXPECT_EQ(outcome.copied,
              (QStringList{QStringLiteral("help/index.html"), QStringLiteral("hilfe/index.html")}));
    EXPECT_EQ(user(QStringLiteral("hilfe/index.html")), QByteArray("<p>Hilfe</p>"));
    // The shipped file is read-only; the copy is the user's to change (the editor saves there).
    EXPECT_TRUE(QFile::permissions(prog() + QStringLiteral("/help/index.html")) &
                QFileDevice::WriteOwner);
}

TEST_F(ProgramFolderSeed, AFailedCopyIsReportedTheOthersGoOnAndTheNextStartTriesAgain) {
    ship(QStringLiteral("help/index.html"), "<p>Help</p>");
    ship(kSport, "v1");
    putUser(QStringLiteral("help"), "a file where the folder belongs");

    const SeedOutcome failed = seed();
    ASSERT_EQ(failed.problems.size(), 1);
    EXPECT_TRUE(failed.problems.first().contains(QStringLiteral("help")))
        << failed.problems.first().toStdString();
    EXPECT_EQ(failed.copied, QStringList{kSport});

    ASSERT_TRUE(QFile::remove(prog() + QStringLiteral("/help")));
    const SeedOutcome retried = seed();
    EXPECT_TRUE(retried.problems.isEmpty());
    EXPECT_EQ(retried.copied, QStringList{QStringLiteral("help/index.html")});
}

TEST_F(ProgramFolderSeed, ADamagedShippedListCopiesNothing) {
    ship(kSport, "v1");
    write(shipped() + QLatin1Char('/') + kShippedManifestName, "not a list\n");

    const SeedOutcome outcome = seed();
    ASSERT_EQ(outcome.problems.size(), 1);
    EXPECT_TRUE(outcome.problems.first().contains(kShippedManifestName));
    EXPECT_FALSE(user(kSport).has_value());
}

TEST_F(ProgramFolderSeed, ADamagedRecordKeepsTheUsersFilesAndIsWrittenAnew) {
    ship(kSport, "v1");
    static_cast<void>(seed());
    putUser(kSport, kOwn);
    write(prog() + QLatin1Char('/') + kSeedRecordName, "\x01garbage");
    ship(kSport, "v2");

    const SeedOutcome outcome = seed();
    ASSERT_EQ(outcome.problems.size(), 1);
    EXPECT_TRUE(outcome.problems.first().contains(kSeedRecordName));
    EXPECT_EQ(outcome.kept, QStringList{kSport});
    EXPECT_EQ(user(kSport), kOwn);
    EXPECT_TRUE(seed().problems.isEmpty());
}

TEST_F(ProgramFolderSeed, ACopyThatDoesNotFitLeavesNoCutFileAndSaysWhy) {
    // Small enough to wait in the write buffer until the copy is committed.
    ship(kSport, QByteArray(64, 'q'));
    SeedOutcome full;
    {
        const SmallDisk disk(10);
        full = seed();
    }
    const QString target = QDir::toNativeSeparators(prog() + QLatin1Char('/') + kSport);
    EXPECT_EQ(full.problems, QStringList{target + QStringLiteral(": ") + SmallDisk::reason()});
    EXPECT_TRUE(full.copied.isEmpty());
    EXPECT_FALSE(user(kSport).has_value());

    EXPECT_EQ(seed().copied, QStringList{kSport});
    EXPECT_EQ(user(kSport), QByteArray(64, 'q'));
}

TEST_F(ProgramFolderSeed, FifosInTheProgramFolderAreNamedNeverRead) {
    ship(kSport, "v1");
    ship(QStringLiteral("banner.dat"), "picture");
    // Opening either to read would hold the start until someone writes to it.
    ASSERT_TRUE(makeFifo(prog() + QLatin1Char('/') + kSport));
    ASSERT_TRUE(makeFifo(prog() + QLatin1Char('/') + kSeedRecordName));

    const SeedOutcome outcome = seed();
    const QString fifo = QStringLiteral(": is not a regular file");
    EXPECT_EQ(
        outcome.problems,
        (QStringList{QDir::toNativeSeparators(prog() + QLatin1Char('/') + kSeedRecordName) + fifo,
                     QDir::toNativeSeparators(prog() + QLatin1Char('/') + kSport) + fifo}));
    EXPECT_EQ(outcome.copied, QStringList{QStringLiteral("banner.dat")});
    // The FIFO is the user's: no copy replaces it.
    const QFileInfo kept(prog() + QLatin1Char('/') + kSport);
    EXPECT_TRUE(kept.exists() && !kept.isFile());
}

}  // namespace
}  // namespace trivanto
