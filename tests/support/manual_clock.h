#pragma once

#include <QDateTime>
#include <functional>
#include <memory>
#include <vector>

#include "core/app/clock.h"

namespace trivanto {

// A clock that stands still until the test moves it. advance() fires every timer that falls
// due on the way, in order of time, each at its own moment; the splash wait only records its
// length and moves the time on.
class ManualClock final : public Clock {
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7)));
    ~ManualClock() override;

    qint64 tickMs() const override { return m_elapsed; }
    QDateTime now() const override { return m_start.addMSecs(m_elapsed); }
    std::unique_ptr<Timer> createTimer(std::function<void()> timeout, TimerMode mode) override;
    void splashWait(int ms) override;

    // Moves the time on by `ms`, firing the timers that fall due on the way.
    void advance(qint64 ms);
    // Moves the time to the next timer that runs and fires it; false when none runs.
    bool advanceToNextTimer();
    // Fires timers until none runs (at most `limit` of them, against a repeating timer).
    int runAllTimers(int limit = 10000);
    // The number of timers running now.
    int activeTimers() const;
    void setStart(const QDateTime& start) { m_start = start; }

    const std::vector<int>& waits() const { return m_waits; }
    void clearWaits() { m_waits.clear(); }

    class ManualTimer;

private:
    friend class ManualTimer;
    ManualTimer* nextDue(qint64 until) const;
    void fire(ManualTimer* timer);

    QDateTime m_start;
    qint64 m_elapsed = 0;
    std::vector<int> m_waits;
    std::vector<ManualTimer*> m_timers;
    qint64 m_sequence = 0;  // orders timers that fall due at the same moment
};

}  // namespace trivanto
