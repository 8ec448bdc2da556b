// The network module the game loads at its first exchange: Qt Network and the libraries it
// brings (Kerberos, proxy discovery, the resolver) stay out of every start of the game.
#include <QtGlobal>
#include <type_traits>

#include "net/qt_http_client.h"

extern "C" Q_DECL_EXPORT trivanto::HttpClient* trivanto_make_http_client() {
    return new trivanto::QtHttpClient(trivanto::QtHttpClient::Proxy::System);
}

static_assert(std::is_same_v<decltype(&trivanto_make_http_client), trivanto::HttpModuleFactory>);
