#include <gtest/gtest.h>

#include <QTimer>

#include "core/app/real_clock.h"
#include "core/app/real_random.h"
#include "support/manual_clock.h"

namespace trivanto {
namespace {

TEST(RealClock, WaitKeepsTheEventLoopRunning) {
    RealClock clock;
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    const qint64 before = clock.tickMs();
    clock.splashWait(5);
    EXPECT_TRUE(fired);
    EXPECT_GE(clock.tickMs() - before, 5);
}

TEST(RealClock, TimersRunOnTheEventLoopNotInsideStart) {
    RealClock clock;
    int fired = 0;
    auto timer = clock.createTimer([&] { ++fired; }, TimerMode::SingleShot);
    timer->start(0);
    EXPECT_EQ(fired, 0);
    EXPECT_TRUE(timer->isActive());
    clock.splashWait(5);
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(timer->isActive());
}

TEST(RealRandom, DrawsStayInRangeAndTheSeedComesFromTheClock) {
    ManualClock clock;
    RealRandom a(clock);
    RealRandom b(clock);
    for (int i = 0; i < 200; ++i) {
        const int value = a.uniform(3, 7);
        ASSERT_GE(value, 3);
        ASSERT_LE(value, 7);
        ASSERT_EQ(value, b.uniform(3, 7));  // same time of day, same sequence
    }
    EXPECT_EQ(a.uniform(5, 5), 5);
}

}  // namespace
}  // namespace trivanto
