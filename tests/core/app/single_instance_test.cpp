#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/app/single_instance.h"

namespace trivanto {
namespace {

TEST(SingleInstance, SecondHolderIsRefusedUntilTheFirstLetsGo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto first = std::make_unique<SingleInstanceGuard>(dir.path());
    ASSERT_TRUE(first->tryAcquire());
    EXPECT_TRUE(first->tryAcquire());  // holding it twice is fine

    SingleInstanceGuard second(dir.path());
    EXPECT_FALSE(second.tryAcquire());
    EXPECT_FALSE(second.isHeld());
    EXPECT_TRUE(second.problem().isEmpty());  // held, not broken

    first.reset();
    EXPECT_TRUE(second.tryAcquire());
}

TEST(SingleInstance, LockOfAProcessThatNoLongerRunsIsTakenOver) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // What a crashed holder leaves: its process id (one that cannot be running), the program
    // name and no host name.
    QFile stale(dir.filePath(SingleInstanceGuard::lockFileName()));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("2147483000\ntrivanto\n\n");
    stale.close();

    SingleInstanceGuard guard(dir.path());
    EXPECT_TRUE(guard.tryAcquire());
}

TEST(SingleInstance, AFolderThatRefusesTheLockSaysWhy) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A folder below a plain file can never hold the lock, not even an administrator's.
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    SingleInstanceGuard guard(dir.filePath(QStringLiteral("plain")));
    EXPECT_FALSE(guard.tryAcquire());
    EXPECT_EQ(guard.problem(), dir.filePath(QStringLiteral("plain/trivanto.lock")) +
                                   QStringLiteral(": Not a directory"));
}

}  // namespace
}  // namespace trivanto
