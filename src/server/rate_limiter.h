#pragma once

#include <QHash>
#include <QString>
#include <deque>

namespace trivanto {

// Counts events per client address in a sliding window: at most `maxEvents` in any
// `windowMs`. It remembers at most `maxAddresses` addresses; when that many are busy at
// once, new addresses are refused until some fall quiet.
class RateLimiter final {
public:
    RateLimiter(int maxEvents, qint64 windowMs, int maxAddresses = 100000);

    // Records an event of `address` at `nowMs` and says whether it is within the limit. A
    // refused event is not counted.
    bool allow(const QString& address, qint64 nowMs);
    int trackedAddresses() const { return int(m_events.size()); }

private:
    void forgetQuietAddresses(qint64 nowMs);

    int m_maxEvents;
    qint64 m_windowMs;
    int m_maxAddresses;
    QHash<QString, std::deque<qint64>> m_events;
};

}  // namespace trivanto
