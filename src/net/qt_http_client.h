#pragma once

#include <QNetworkAccessManager>
#include <memory>

#include "core/net/http_client.h"

namespace trivanto {

// HTTP on Qt Network: one access manager, every exchange one QNetworkReply. The game gets it
// from the network module at its first exchange; tests link it directly.
class QtHttpClient final : public HttpClient {
public:
    enum class Proxy {
        System,  // the proxy the system is set up with, asked per request
        None,    // straight to the server (tests talk to servers on 127.0.0.1)
    };

    explicit QtHttpClient(Proxy proxy);
    ~QtHttpClient() override;

    std::unique_ptr<HttpExchange> start(const HttpRequestOptions& options,
                                        HttpExchange::Listener& listener) override;

private:
    QNetworkAccessManager m_manager;
};

}  // namespace trivanto
