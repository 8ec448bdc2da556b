#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

namespace trivanto {
namespace {

constexpr int kTimeoutMs = 60000;

// Runs the built executable headless against temporary folders and settings.
class ShellProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        ASSERT_TRUE(QFileInfo(program()).isExecutable())
            << "the trivanto executable is built beside the program folder";
        for (const char* sub : {"prog", "win", "lock", "home"}) {
            ASSERT_TRUE(QDir(m_tmp.path()).mkpath(QLatin1String(sub)));
        }
    }

    static QString program() {
        return QStringLiteral(TRIVANTO_BUILD_PROG_DIR) + QStringLiteral("/trivanto");
    }
    QString path(const char* sub) const { return m_tmp.filePath(QLatin1String(sub)); }

    std::unique_ptr<QProcess> launch(QStringList extra) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("TRIVANTO_PLAIN_MESSAGES"), QStringLiteral("stderr"));
        env.insert(QStringLiteral("HOME"), path("home"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path("home"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path("home"));
        p->setProcessEnvironment(env);
        p->setProgram(program());
        p->setArguments(QStringList{QStringLiteral("--no-splash"), QStringLiteral("--prog-dir"),
                                    path("prog"), QStringLiteral("--windows-dir"), path("win"),
                                    QStringLiteral("--lock-dir"), path("lock"),
                                    QStringLiteral("--settings"), path("settings.ini")} +
                        extra);
        p->start();
        EXPECT_TRUE(p->waitForStarted(kTimeoutMs));
        return p;
    }

    // Starts a copy that stays in its message loop and waits until it says so.
    std::unique_ptr<QProcess> launchRunning() {
        auto p = launch({QStringLiteral("--report-ready")});
        QByteArray out;
        while (!out.contains("Trivanto ready") && p->state() == QProcess::Running &&
               p->waitForReadyRead(kTimeoutMs)) {
            out += p->readAllStandardOutput();
        }
        EXPECT_TRUE(out.contains("Trivanto ready")) << p->readAllStandardError().toStdString();
        return p;
    }

    QTemporaryDir m_tmp;
};

TEST_F(ShellProcessTest, StartsToTheLoopAndQuitsCleanly) {
    auto p = launch({QStringLiteral("--quit-when-idle")});
    ASSERT_TRUE(p->waitForFinished(kTimeoutMs));
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    // The start wrote its settings and left no write-test file behind.
    QSettings written(path("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(written.value(QStringLiteral("ProgDir")).toString(), path("prog") + QLatin1Char('/'));
    EXPECT_EQ(written.value(QStringLiteral("Highscore/1_Name")).toString(), QStringLiteral("Frei"));
    EXPECT_FALSE(QFileInfo::exists(path("prog") + QStringLiteral("/bb.tmp")));
}

TEST_F(ShellProcessTest, SecondCopyEndsWithTheMessageWhileTheFirstRunsOn) {
    auto first = launchRunning();
    ASSERT_EQ(first->state(), QProcess::Running);

    auto second = launch({QStringLiteral("--quit-when-idle")});
    ASSERT_TRUE(second->waitForFinished(kTimeoutMs));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(second->readAllStandardError().contains("Trivanto is already running."));
    EXPECT_EQ(first->state(), QProcess::Running);

    // A crash leaves the lock behind; the next start takes it over.
    first->kill();
    ASSERT_TRUE(first->waitForFinished(kTimeoutMs));
    auto third = launch({QStringLiteral("--quit-when-idle")});
    ASSERT_TRUE(third->waitForFinished(kTimeoutMs));
    EXPECT_EQ(third->exitCode(), 0);
    EXPECT_FALSE(third->readAllStandardError().contains("already running"));
}

}  // namespace
}  // namespace trivanto
