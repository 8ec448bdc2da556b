#include <gtest/gtest.h>

#include <QSettings>

#include "support/process_fixture.h"

namespace trivanto {
namespace {

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
