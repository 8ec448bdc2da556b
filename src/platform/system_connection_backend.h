#pragma once

#include <QDBusConnection>
#include <functional>

#include "core/app/connection_backend.h"
#include "platform/interface_connections.h"
#include "platform/network_manager.h"

namespace trivanto {

// The connections of this Linux system. Where NetworkManager runs, its active connections
// are listed, its connection profiles are the entries to dial, activating one is the dial
// and deactivating the hang-up. Where it does not (or lists nothing, or cannot be asked), the
// active connections are the network interfaces that carry a default route; there is nothing
// to dial then, and such a connection cannot be hung up from here.
class SystemConnectionBackend final : public ConnectionBackend {
public:
    using InterfaceLister = std::function<QList<ActiveConnection>()>;

    explicit SystemConnectionBackend(QDBusConnection bus = QDBusConnection::systemBus(),
                                     InterfaceLister interfaces = systemInterfaceConnections);

    void listConnections(ConnectionsDone done) override;
    void listEntries(EntriesDone done) override;
    void dial(const DialRequest& request, Done started, DialNotify notify) override;
    void hangUp(const QString& handle, Done done) override;
    QString errorText(int error) const override;

private:
    void later(std::function<void()> callback);

    NetworkManager m_networkManager;
    InterfaceLister m_interfaces;
};

}  // namespace trivanto
