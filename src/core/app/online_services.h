#pragma once

namespace trivanto {

class BannerUpdater;
class ConnectionManager;
class HttpClient;
class OnlineState;

// What a window needs to go on line, beside the Services every window gets: the program's one
// HTTP client (for TTopList, TFileFetcher, TFileFetcherPort), the flag IsOnline,
// the connection manager (EnsureOnline before a transfer, hangUpAndCheck after
// "disconnect now?") and the banner (BannerUpdate once the update server has answered). The
// application owns all of it and hands this bundle only to the windows that talk to a server;
// they keep references. Tests fill it with fakes (tests/support/fake_online_services.h).
struct OnlineServices {
    HttpClient& network;
    OnlineState& online;
    ConnectionManager& connections;
    BannerUpdater& banner;
};

}  // namespace trivanto
