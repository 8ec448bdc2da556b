#include "core/app/real_clock.h"

#include <QCoreApplication>
#include <QTimer>

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

void RealClock::wait(int ms) {
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
