#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "core/common/file_write_job.h"

namespace trivanto {
namespace {

class FileWriteJobTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
};

TEST_F(FileWriteJobTest, WritesInTheBackgroundAndReportsFromTheEventLoop) {
    const QString path = dir.filePath(QStringLiteral("fragen.tmp"));
    FileWriteJob job;
    std::optional<Status> outcome;
    job.start(path, QByteArrayLiteral("[BT]\r\nHEADER=0\r\n\r\n"),
              [&](const Status& s) { outcome = s; });
    EXPECT_TRUE(job.running());
    // The report comes from the loop, never from inside start().
    EXPECT_FALSE(outcome.has_value());
    while (!outcome) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    EXPECT_TRUE(outcome->ok());
    EXPECT_FALSE(job.running());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArrayLiteral("[BT]\r\nHEADER=0\r\n\r\n"));
}

TEST_F(FileWriteJobTest, WaitReportsOnceAndAFailureNamesTheFile) {
    // A folder of that name cannot be replaced by a file.
    const QString path = dir.filePath(QStringLiteral("fragen.tmp"));
    ASSERT_TRUE(QDir().mkpath(path));
    FileWriteJob job;
    int reports = 0;
    QString error;
    job.start(path, QByteArrayLiteral("x"), [&](const Status& s) {
        ++reports;
        error = s.error();
    });
    job.wait();
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(error.contains(QStringLiteral("fragen.tmp"))) << error.toStdString();
    EXPECT_FALSE(job.running());
    QCoreApplication::processEvents();  // the queued report finds nothing left to tell
    EXPECT_EQ(reports, 1);
}

TEST_F(FileWriteJobTest, ANewStartFinishesTheRunningWriteFirst) {
    FileWriteJob job;
    QStringList order;
    job.start(dir.filePath(QStringLiteral("a")), QByteArrayLiteral("1"),
              [&](const Status&) { order << QStringLiteral("a"); });
    job.start(dir.filePath(QStringLiteral("b")), QByteArrayLiteral("2"),
              [&](const Status&) { order << QStringLiteral("b"); });
    EXPECT_EQ(order, QStringList{QStringLiteral("a")});
    job.wait();
    EXPECT_EQ(order, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

}  // namespace
}  // namespace trivanto
