// The per-address limits and the static folder's guard against leaving it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/common/file_path.h"
#include "server/rate_limiter.h"
#include "server/static_folder.h"

namespace trivanto {
namespace {

TEST(ServerRateLimiter, AtMostSoManyEventsInAnyWindow) {
    RateLimiter limiter(3, 1000);
    const QString a = QStringLiteral("192.0.2.1");
    const QString b = QStringLiteral("192.0.2.2");
    EXPECT_TRUE(limiter.allow(a, 0));
    EXPECT_TRUE(limiter.allow(a, 100));
    EXPECT_TRUE(limiter.allow(a, 900));
    EXPECT_FALSE(limiter.allow(a, 999));
    EXPECT_TRUE(limiter.allow(b, 999));   // another address has its own count
    EXPECT_TRUE(limiter.allow(a, 1000));  // the first event has left the window
    EXPECT_FALSE(limiter.allow(a, 1099));
    EXPECT_TRUE(limiter.allow(a, 1100));
    // Refused events do not count: a client that keeps trying is let in as the window moves.
    EXPECT_TRUE(limiter.allow(a, 1900));
    EXPECT_FALSE(limiter.allow(a, 1950));
    RateLimiter unlimited(0, 1000);
    for (int i = 0; i < 100; ++i) {
        EXPECT_TRUE(unlimited.allow(a, 0));
    }
}

TEST(ServerRateLimiter, AddressesAreForgottenWhenQuietAndCapped) {
    RateLimiter limiter(1, 1000, 3);
    EXPECT_TRUE(limiter.allow(QStringLiteral("a"), 0));
    EXPECT_TRUE(limiter.allow(QStringLiteral("b"), 0));
    EXPECT_TRUE(limiter.allow(QStringLiteral("c"), 500));
    // Three busy addresses: a fourth waits until one falls quiet.
    EXPECT_FALSE(limiter.allow(QStringLiteral("d"), 600));
    EXPECT_TRUE(limiter.allow(QStringLiteral("d"), 1000));
    EXPECT_EQ(limiter.trackedAddresses(), 2);
}

class StaticFolderTest : public ::testing::Test {
protected:
    StaticFolderTest() {
        QDir root(m_dir.path());
        root.mkpath(QStringLiteral("files/orvalquest"));
        root.mkpath(QStringLiteral("files/.git"));
        write(QStringLiteral("files/orvalquest/update.ini"));
        write(QStringLiteral("files/orvalquest/paket 1.zip"));
        write(QStringLiteral("files/.git/config"));
        write(QStringLiteral("files/.hidden"));
        write(QStringLiteral("secret.txt"));
        QFile::link(m_dir.filePath(QStringLiteral("secret.txt")),
                    m_dir.filePath(QStringLiteral("files/link.txt")));
    }
    void write(const QString& name) {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    QTemporaryDir m_dir;
};

TEST_F(StaticFolderTest, OnlyRegularFilesInsideTheFolderAreServed) {
    const StaticFolder folder(m_dir.filePath(QStringLiteral("files")));
    const QString root = QFileInfo(m_dir.filePath(QStringLiteral("files"))).canonicalFilePath();
    EXPECT_EQ(folder.resolve("/orvalquest/update.ini"),
              filePath(root, QStringLiteral("orvalquest/update.ini")));
    EXPECT_EQ(folder.resolve("//orvalquest//paket%201.zip"),
              filePath(root, QStringLiteral("orvalquest/paket 1.zip")));
    for (const char* path :
         {"/../secret.txt", "/orvalquest/../../secret.txt", "/%2e%2e/secret.txt",
          "/orvalquest/%2E%2E/%2E%2E/secret.txt", "/.git/config", "/.hidden", "/orvalquest", "/",
          "", "/link.txt", "/missing", "/orvalquest/update.ini%00.png", "/a%5c..%5csecret.txt",
          "/%zz", "orvalquest/update.ini", "/orvalquest/update.ini/"}) {
        EXPECT_FALSE(folder.resolve(path).has_value()) << path;
    }
    EXPECT_FALSE(StaticFolder(QString()).resolve("/orvalquest/update.ini").has_value());
}

}  // namespace
}  // namespace trivanto
