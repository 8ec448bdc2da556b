#include "core/net/program_network.h"

#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>

namespace trivanto {

namespace {

class SystemProxyFactory final : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        return systemProxyForQuery(query);
    }
};

}  // namespace

std::unique_ptr<QNetworkAccessManager> makeProgramNetwork() {
    auto network = std::make_unique<QNetworkAccessManager>();
    network->setProxyFactory(new SystemProxyFactory);  // the manager owns it
    return network;
}

}  // namespace trivanto
