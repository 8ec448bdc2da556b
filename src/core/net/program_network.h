#pragma once

#include <memory>

#include "core/net/http_client.h"

namespace trivanto {

// The program's one HTTP client. It loads the network module at the first exchange (the
// module's client asks the system's proxy settings per request: the environment's http_proxy,
// https_proxy and no_proxy on Linux); tests make their own client without a proxy.
std::unique_ptr<HttpClient> makeProgramNetwork();

}  // namespace trivanto
