#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "core/common/result.h"
#include "core/net/http_client.h"

namespace trivanto {

// An HttpClient that makes the real one at the first exchange. Until then nothing of the
// network library is loaded. When the client cannot be made, this and every later exchange
// fail at once with the reason, like an exchange the network refuses.
class LazyHttpClient final : public HttpClient {
public:
    using Loader = std::function<Result<std::unique_ptr<HttpClient>>()>;

    explicit LazyHttpClient(Loader load);

    std::unique_ptr<HttpExchange> start(const HttpRequestOptions& options,
                                        HttpExchange::Listener& listener) override;
    QString unavailableReason() const override;

private:
    Loader m_load;
    std::optional<Result<std::unique_ptr<HttpClient>>> m_client;  // after the first exchange
};

}  // namespace trivanto
