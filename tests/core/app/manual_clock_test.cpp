// The hand-driven clock carries every pause test, so its order of firing must be exact.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "support/manual_clock.h"

namespace trivanto {
namespace {

TEST(ManualClock, FiresTimersInOrderOfTimeEachAtItsOwnMoment) {
    ManualClock clock;
    QStringList fired;
    auto late = clock.createTimer([&] { fired << QStringLiteral("late@%1").arg(clock.tickMs()); },
                                  TimerMode::SingleShot);
    auto early = clock.createTimer([&] { fired << QStringLiteral("early@%1").arg(clock.tickMs()); },
                                   TimerMode::SingleShot);
    late->start(300);
    early->start(100);
    clock.advance(250);
    EXPECT_EQ(fired, QStringList{QStringLiteral("early@100")});
    EXPECT_EQ(clock.tickMs(), 250);
    clock.advance(50);
    EXPECT_EQ(fired, (QStringList{QStringLiteral("early@100"), QStringLiteral("late@300")}));
    EXPECT_FALSE(late->isActive());
}

TEST(ManualClock, RepeatingTimerFiresOncePerIntervalUntilStopped) {
    ManualClock clock;
    int ticks = 0;
    std::unique_ptr<Timer> timer;
    timer = clock.createTimer(
        [&] {
            if (++ticks == 3) {
                timer->stop();
            }
        },
        TimerMode::Repeating);
    timer->start(1000);
    clock.advance(10000);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(clock.activeTimers(), 0);
}

TEST(ManualClock, CallbackMayStartAndDeleteTimers) {
    ManualClock clock;
    QStringList fired;
    std::unique_ptr<Timer> second =
        clock.createTimer([&] { fired << QStringLiteral("second"); }, TimerMode::SingleShot);
    std::unique_ptr<Timer> first;
    first = clock.createTimer(
        [&] {
            fired << QStringLiteral("first");
            second->start(0);  // falls due now, after this callback
            first.reset();     // a timer may end itself
        },
        TimerMode::SingleShot);
    first->start(10);
    EXPECT_TRUE(clock.advanceToNextTimer());
    EXPECT_TRUE(clock.advanceToNextTimer());
    EXPECT_FALSE(clock.advanceToNextTimer());
    EXPECT_EQ(fired, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    EXPECT_EQ(clock.tickMs(), 10);
}

}  // namespace
}  // namespace trivanto
