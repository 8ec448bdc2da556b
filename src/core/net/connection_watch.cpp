#include "core/net/connection_watch.h"

#include "core/app/clock.h"
#include "core/net/connection_manager.h"
#include "core/net/online_state.h"

namespace trivanto {

ConnectionWatch::ConnectionWatch(ConnectionManager& manager, OnlineState& online, Clock& clock,
                                 BannerHooks banner)
    : m_manager(manager),
      m_online(online),
      m_banner(std::move(banner)),
      m_timer(clock.createTimer([this] { tick(); }, TimerMode::Repeating)) {}

ConnectionWatch::~ConnectionWatch() {
    *m_alive = false;
}

void ConnectionWatch::checkAtStart() {
    look();
}

void ConnectionWatch::start() {
    m_timer->start(kPollIntervalMs);
}

void ConnectionWatch::stop() {
    m_timer->stop();
}

bool ConnectionWatch::polling() const {
    return m_timer->isActive();
}

void ConnectionWatch::tick() {
    if (m_looking || (m_banner.settled && m_banner.settled())) {
        return;
    }
    look();
}

void ConnectionWatch::look() {
    m_looking = true;
    m_manager.listConnections(ConnectionManager::Report::Silent, [this, alive = m_alive] {
        if (!*alive) {
            return;
        }
        m_looking = false;
        if (m_manager.view().connections.isEmpty()) {
            return;
        }
        m_online.setOnline(true);
        // The banner may have started or finished while the system was being asked.
        if (m_banner.start && !(m_banner.settled && m_banner.settled())) {
            m_banner.start();
        }
    });
}

}  // namespace trivanto
