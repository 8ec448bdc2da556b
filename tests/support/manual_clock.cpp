#include "support/manual_clock.h"

#include <algorithm>
#include <limits>

namespace trivanto {

class ManualClock::ManualTimer final : public Timer {
public:
    ManualTimer(ManualClock& clock, std::function<void()> timeout, TimerMode mode)
        : m_clock(&clock), m_timeout(std::move(timeout)), m_mode(mode) {
        m_clock->m_timers.push_back(this);
    }
    ~ManualTimer() override {
        if (m_clock != nullptr) {
            std::erase(m_clock->m_timers, this);
        }
    }
    void start(int ms) override {
        m_interval = std::max(ms, 0);
        m_due = m_clock->m_elapsed + m_interval;
        m_order = ++m_clock->m_sequence;
        m_active = true;
    }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }

    ManualClock* m_clock;
    std::function<void()> m_timeout;
    TimerMode m_mode;
    int m_interval = 0;
    qint64 m_due = 0;
    qint64 m_order = 0;
    bool m_active = false;
};

ManualClock::ManualClock(QDateTime start) : m_start(std::move(start)) {}

ManualClock::~ManualClock() {
    // Timers that outlive the clock must not reach back into it.
    for (ManualTimer* timer : m_timers) {
        timer->m_clock = nullptr;
    }
}

std::unique_ptr<Timer> ManualClock::createTimer(std::function<void()> timeout, TimerMode mode) {
    return std::make_unique<ManualTimer>(*this, std::move(timeout), mode);
}

void ManualClock::splashWait(int ms) {
    m_waits.push_back(ms);
    if (ms > 0) {
        advance(ms);
    }
}

ManualClock::ManualTimer* ManualClock::nextDue(qint64 until) const {
    ManualTimer* next = nullptr;
    for (ManualTimer* timer : m_timers) {
        if (!timer->m_active || timer->m_due > until) {
            continue;
        }
        if (next == nullptr || timer->m_due < next->m_due ||
            (timer->m_due == next->m_due && timer->m_order < next->m_order)) {
            next = timer;
        }
    }
    return next;
}

void ManualClock::fire(ManualTimer* timer) {
    m_elapsed = std::max(m_elapsed, timer->m_due);
    if (timer->m_mode == TimerMode::Repeating) {
        // A zero interval still moves on, so a repeating timer cannot hold the clock.
        timer->m_due = m_elapsed + std::max(timer->m_interval, 1);
        timer->m_order = ++m_sequence;
    } else {
        timer->m_active = false;
    }
    // The callback may delete or restart any timer, this one included.
    const std::function<void()> timeout = timer->m_timeout;
    timeout();
}

void ManualClock::advance(qint64 ms) {
    const qint64 target = m_elapsed + std::max<qint64>(ms, 0);
    while (ManualTimer* timer = nextDue(target)) {
        fire(timer);
    }
    m_elapsed = target;
}

bool ManualClock::advanceToNextTimer() {
    ManualTimer* timer = nextDue(std::numeric_limits<qint64>::max());
    if (timer == nullptr) {
        return false;
    }
    fire(timer);
    return true;
}

int ManualClock::runAllTimers(int limit) {
    int fired = 0;
    while (fired < limit && advanceToNextTimer()) {
        ++fired;
    }
    return fired;
}

int ManualClock::activeTimers() const {
    return static_cast<int>(std::count_if(m_timers.begin(), m_timers.end(),
                                          [](const ManualTimer* t) { return t->m_active; }));
}

}  // namespace trivanto
