#pragma once

#include <functional>
#include <memory>

namespace trivanto {

class Clock;
class ConnectionManager;
class OnlineState;
class Timer;

// The start-up check and the 10-second poll: while no banner has been fetched, look for an
// active connection; finding one sets IsOnline and starts the banner update. They only ever
// find a connection; losing one is noticed by the transfer that fails.
class ConnectionWatch final {
public:
    static constexpr int kPollIntervalMs = 10000;

    struct BannerHooks {
        // True while a banner update runs or once one has succeeded: nothing to do then.
        std::function<bool()> settled;
        std::function<void()> start;
    };

    ConnectionWatch(ConnectionManager& manager, OnlineState& online, Clock& clock,
                    BannerHooks banner);
    ~ConnectionWatch();

    // Once at start-up, after the language: lists the connections whatever the banner does.
    void checkAtStart();
    // The poll runs from start() (when the dial-up window is created) until stop().
    void start();
    void stop();
    bool polling() const;
    // One tick of the poll; a tick while the previous one is still listing does nothing.
    void tick();

private:
    void look();

    ConnectionManager& m_manager;
    OnlineState& m_online;
    BannerHooks m_banner;
    std::unique_ptr<Timer> m_timer;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    bool m_looking = false;
};

}  // namespace trivanto
