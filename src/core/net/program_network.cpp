#include "core/net/program_network.h"

#include <QCoreApplication>

#include "core/net/http_module_loader.h"
#include "core/net/lazy_http_client.h"

namespace trivanto {

std::unique_ptr<HttpClient> makeProgramNetwork() {
    return std::make_unique<LazyHttpClient>(
        [] { return loadHttpModule(httpModuleFolders(QCoreApplication::applicationDirPath())); });
}

}  // namespace trivanto
