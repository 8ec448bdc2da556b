#include "core/net/lazy_http_client.h"

namespace trivanto {

LazyHttpClient::LazyHttpClient(Loader load) : m_load(std::move(load)) {}

std::unique_ptr<HttpExchange> LazyHttpClient::start(const HttpRequestOptions& options,
                                                    HttpExchange::Listener& listener) {
    if (!m_client.has_value()) {
        m_client.emplace(m_load());
    }
    if (!m_client->ok()) {
        return nullptr;
    }
    return m_client->value()->start(options, listener);
}

QString LazyHttpClient::unavailableReason() const {
    if (m_client.has_value() && !m_client->ok()) {
        return m_client->error();
    }
    return {};
}

}  // namespace trivanto
