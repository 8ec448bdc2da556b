#include "server/rate_limiter.h"

namespace trivanto {

RateLimiter::RateLimiter(int maxEvents, qint64 windowMs, int maxAddresses)
    : m_maxEvents(maxEvents), m_windowMs(windowMs), m_maxAddresses(maxAddresses) {}

bool RateLimiter::allow(const QString& address, qint64 nowMs) {
    if (m_maxEvents <= 0) {
        return true;  // no limit
    }
    auto found = m_events.find(address);
    if (found == m_events.end()) {
        if (m_events.size() >= m_maxAddresses) {
            forgetQuietAddresses(nowMs);
            if (m_events.size() >= m_maxAddresses) {
                return false;
            }
        }
        found = m_events.insert(address, {});
    }
    std::deque<qint64>& events = found.value();
    while (!events.empty() && events.front() <= nowMs - m_windowMs) {
        events.pop_front();
    }
    if (int(events.size()) >= m_maxEvents) {
        return false;
    }
    events.push_back(nowMs);
    return true;
}

void RateLimiter::forgetQuietAddresses(qint64 nowMs) {
    for (auto it = m_events.begin(); it != m_events.end();) {
        if (it->empty() || it->back() <= nowMs - m_windowMs) {
            it = m_events.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace trivanto
