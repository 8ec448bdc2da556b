#pragma once

#include <QElapsedTimer>

#include "core/app/clock.h"

namespace trivanto {

// The system clock; its timers are QTimers on the thread that creates them.
class RealClock final : public Clock {
public:
    RealClock();
    qint64 tickMs() const override;
    QDateTime now() const override;
    std::unique_ptr<Timer> createTimer(std::function<void()> timeout, TimerMode mode) override;
    void splashWait(int ms) override;

private:
    QElapsedTimer m_ticks;
};

}  // namespace trivanto
