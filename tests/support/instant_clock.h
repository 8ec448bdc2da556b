#pragma once

#include <QDateTime>
#include <functional>
#include <vector>

#include "core/app/clock.h"

namespace trivanto {

// A clock whose waits return at once and only advance its own time. Every wait is recorded;
// an optional hook runs inside each wait so a test can look at the state a window would paint.
class InstantClock final : public Clock {
public:
    explicit InstantClock(QDateTime start = QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7)))
        : m_start(std::move(start)) {}

    qint64 tickMs() const override { return m_elapsed; }
    QDateTime now() const override { return m_start.addMSecs(m_elapsed); }
    void wait(int ms) override;

    void advance(qint64 ms) { m_elapsed += ms; }
    void setStart(const QDateTime& start) { m_start = start; }

    const std::vector<int>& waits() const { return m_waits; }
    void clearWaits() { m_waits.clear(); }
    std::function<void(int)> onWait;

private:
    QDateTime m_start;
    qint64 m_elapsed = 0;
    std::vector<int> m_waits;
};

}  // namespace trivanto
