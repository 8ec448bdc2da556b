#include <gtest/gtest.h>

#include "core/app/app_options.h"
#include "core/app/app_paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/app/shipped_manifest.h"

namespace trivanto {
namespace {

QStringList args(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* a : list) {
        out << QString::fromLatin1(a);
    }
    return out;
}

TEST(AppOptions, ArgumentsAndEnvironment) {
    QProcessEnvironment env;
    env.insert(QStringLiteral("TRIVANTO_PROG_DIR"), QStringLiteral("/env/prog"));
    env.insert(QStringLiteral("TRIVANTO_WINDOWS_DIR"), QStringLiteral("/env/win"));
    env.insert(QStringLiteral("TRIVANTO_PLAIN_MESSAGES"), QStringLiteral("stderr"));

    const auto fromEnv = parseAppOptions({}, env);
    ASSERT_TRUE(fromEnv.error.isEmpty());
    EXPECT_EQ(fromEnv.options.progDir, QStringLiteral("/env/prog"));
    EXPECT_EQ(fromEnv.options.windowsDir, QStringLiteral("/env/win"));
    EXPECT_EQ(fromEnv.options.plainMessages, PlainMessageTarget::Stderr);
    EXPECT_FALSE(fromEnv.options.noSplash);
    EXPECT_FALSE(fromEnv.options.language.has_value());

    const auto r =
        parseAppOptions(args({"--no-splash", "--prog-dir", "/arg/prog", "--language", "deutsch",
                              "--settings", "/s.ini", "--quit-when-idle", "--report-ready"}),
                        env);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_TRUE(r.options.noSplash);
    EXPECT_TRUE(r.options.quitWhenIdle);
    EXPECT_TRUE(r.options.reportReady);
    EXPECT_EQ(r.options.progDir, QStringLiteral("/arg/prog"));  // argument wins
    EXPECT_EQ(r.options.windowsDir, QStringLiteral("/env/win"));
    EXPECT_EQ(r.options.settingsFile, QStringLiteral("/s.ini"));
    ASSERT_TRUE(r.options.language.has_value());
    EXPECT_EQ(*r.options.language, Language::Deutsch);
}

TEST(AppOptions, ServerAddressOptionsAreTakenWithTheirValues) {
    // The addresses themselves are read by resolveServerConfig; the parser must not trip over
    // them nor take their values for options of its own.
    const auto r =
        parseAppOptions(args({"--update-host", "localhost:8080", "--toplist-url=http://h/t",
                              "--toplist-url", "http://h/top", "--no-splash"}),
                        QProcessEnvironment());
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_TRUE(r.options.noSplash);
    EXPECT_FALSE(parseAppOptions(args({"--update-host"}), QProcessEnvironment()).error.isEmpty());
}

TEST(AppOptions, BadArgumentsAreReported) {
    const char* const bad[][2] = {
        {"--language", "french"},
        {"--prog-dir", nullptr},
        {"--frobnicate", nullptr},
        {"--language", "Englisch"},  // the setting is compared exactly
    };
    for (const auto& b : bad) {
        QStringList list{QString::fromLatin1(b[0])};
        if (b[1] != nullptr) {
            list << QString::fromLatin1(b[1]);
        }
        SCOPED_TRACE(list.join(QLatin1Char(' ')).toStdString());
        EXPECT_FALSE(parseAppOptions(list, QProcessEnvironment()).error.isEmpty());
    }
}

TEST(AppPaths, FoldersLoseTrailingSeparatorsAndAreCreated) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    AppOptions o;
    o.windowsDir = tmp.filePath(QStringLiteral("win/sub/"));
    o.lockDir = tmp.filePath(QStringLiteral("lock"));
    const AppPaths p = resolveAppPaths(o, tmp.path() + QStringLiteral("//"));
    EXPECT_EQ(p.progDir, tmp.path());
    EXPECT_EQ(p.windowsFolder, tmp.filePath(QStringLiteral("win/sub")));
    EXPECT_TRUE(QDir(p.windowsFolder).exists());
    EXPECT_TRUE(QDir(p.lockDir).exists());

    o.progDir = tmp.filePath(QStringLiteral("other"));
    EXPECT_EQ(resolveAppPaths(o, tmp.path()).progDir, tmp.filePath(QStringLiteral("other")));
}

// An installed game: bin/trivanto beside share/trivanto with its shipped list.
class InstalledAppPaths : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        m_oldDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_tmp.filePath(QStringLiteral("home-data")).toUtf8());
        ASSERT_TRUE(QDir(m_tmp.path()).mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(QDir().mkpath(installedDataDir(bin())));
        QFile list(installedDataDir(bin()) + QLatin1Char('/') + kShippedManifestName);
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_oldDataHome); }

    QString bin() const { return m_tmp.filePath(QStringLiteral("bin")); }

    QTemporaryDir m_tmp;
    QByteArray m_oldDataHome;
};

TEST_F(InstalledAppPaths, PlaysFromAPerUserFolderSeededFromShare) {
    EXPECT_EQ(installedDataDir(bin()), m_tmp.filePath(QStringLiteral("share/trivanto")));
    const AppPaths p = resolveAppPaths(AppOptions{}, bin());
    EXPECT_EQ(p.shippedDir, m_tmp.filePath(QStringLiteral("share/trivanto")));
    EXPECT_TRUE(p.progDir.startsWith(m_tmp.filePath(QStringLiteral("home-data/"))))
        << p.progDir.toStdString();
    EXPECT_TRUE(p.progDir.endsWith(QStringLiteral("/program")));
    EXPECT_TRUE(QDir(p.progDir).exists());
}

TEST_F(InstalledAppPaths, AGivenProgramFolderIsUsedAsItIs) {
    AppOptions o;
    o.progDir = m_tmp.filePath(QStringLiteral("mine"));
    const AppPaths p = resolveAppPaths(o, bin());
    EXPECT_EQ(p.progDir, m_tmp.filePath(QStringLiteral("mine")));
    EXPECT_TRUE(p.shippedDir.isEmpty());
}

TEST_F(InstalledAppPaths, WithoutTheShippedListTheExecutablesFolderIsTheProgramFolder) {
    ASSERT_TRUE(QFile::remove(installedDataDir(bin()) + QLatin1Char('/') + kShippedManifestName));
    const AppPaths p = resolveAppPaths(AppOptions{}, bin());
    EXPECT_EQ(p.progDir, bin());
    EXPECT_TRUE(p.shippedDir.isEmpty());
}

}  // namespace
}  // namespace trivanto
