#pragma once

#include <QDateTime>

namespace trivanto {

// Time and waiting. The real clock keeps the event loop running while it waits, so timers
// and repaints go on; tests use an instant clock whose waits only advance its own time.
class Clock {
public:
    virtual ~Clock() = default;
    // A millisecond tick counter for measuring spans.
    virtual qint64 tickMs() const = 0;
    // Local date and time (dates of saves and top-ten entries, seeds).
    virtual QDateTime now() const = 0;
    // Returns after at least `ms` milliseconds while window messages keep being processed.
    virtual void wait(int ms) = 0;
};

}  // namespace trivanto
