#pragma once

#include <memory>

class QNetworkAccessManager;

namespace trivanto {

// The program's one network access manager: every request goes through the proxy the system
// is set up with (the environment's http_proxy, https_proxy and no_proxy on Linux), asked per
// request, so a change of the settings needs no restart. Only this manager is affected; tests
// make their own without a proxy.
std::unique_ptr<QNetworkAccessManager> makeProgramNetwork();

}  // namespace trivanto
