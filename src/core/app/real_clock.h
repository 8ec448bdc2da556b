#pragma once

#include <QElapsedTimer>

#include "core/app/clock.h"

namespace trivanto {

// The system clock. wait() runs the event loop until the time has passed, so timers fire and
// windows repaint during the splash wait and the game's pauses.
class RealClock final : public Clock {
public:
    RealClock();
    qint64 tickMs() const override;
    QDateTime now() const override;
    void wait(int ms) override;

private:
    QElapsedTimer m_ticks;
};

}  // namespace trivanto
