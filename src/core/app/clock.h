#pragma once

#include <QDateTime>
#include <functional>
#include <memory>

namespace trivanto {

// A timer made by the Clock. Its callback runs on the event loop of the program (or when a
// test advances its clock), never inside the call that started it. Destroying it stops it.
class Timer {
public:
    virtual ~Timer() = default;
    // (Re)starts: the callback runs after `ms` milliseconds, and then every `ms` if repeating.
    virtual void start(int ms) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

enum class TimerMode { SingleShot, Repeating };

// Time for the whole program. A pause of the game is a state that one of these timers ends,
// never a wait: a loop that serves input in the middle of a turn lets a click land on the
// wrong player. Tests use a clock whose time and timers they advance by hand.
class Clock {
public:
    virtual ~Clock() = default;
    // A millisecond tick counter for measuring spans.
    virtual qint64 tickMs() const = 0;
    // Local date and time (dates of saves and top-ten entries, seeds).
    virtual QDateTime now() const = 0;
    virtual std::unique_ptr<Timer> createTimer(std::function<void()> timeout,
                                               TimerMode mode = TimerMode::SingleShot) = 0;
    // Only for the start-up splash, before any window takes input: returns after `ms`
    // milliseconds while window messages keep being processed.
    virtual void splashWait(int ms) = 0;
};

}  // namespace trivanto
