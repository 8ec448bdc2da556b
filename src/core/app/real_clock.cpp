#include "core/app/real_clock.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

namespace trivanto {

RealClock::RealClock() {
    m_ticks.start();
}

qint64 RealClock::tickMs() const {
    return m_ticks.elapsed();
}

QDateTime RealClock::now() const {
    return QDateTime::currentDateTime();
}

namespace {

class QtTimer final : public Timer {
public:
    QtTimer(std::function<void()> timeout, TimerMode mode) {
        m_timer.setSingleShot(mode == TimerMode::SingleShot);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(timeout));
    }
    void start(int ms) override { m_timer.start(std::max(ms, 0)); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

}  // namespace

std::unique_ptr<Timer> RealClock::createTimer(std::function<void()> timeout, TimerMode mode) {
    return std::make_unique<QtTimer>(std::move(timeout), mode);
}

void RealClock::splashWait(int ms) {
    if (ms <= 0) {
        return;
    }
    const qint64 end = tickMs() + ms;
    // The timer wakes the blocking processEvents at the deadline; no busy loop.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(ms);
    while (tickMs() < end) {
        if (QCoreApplication::instance() == nullptr) {
            break;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

}  // namespace trivanto
