#include "platform/system_connection_backend.h"

#include <QTimer>

#include "platform/nm_dial_steps.h"

namespace trivanto {

SystemConnectionBackend::SystemConnectionBackend(QDBusConnection bus, InterfaceLister interfaces)
    : m_networkManager(std::move(bus)), m_interfaces(std::move(interfaces)) {}

void SystemConnectionBackend::later(std::function<void()> callback) {
    QTimer::singleShot(0, &m_networkManager, std::move(callback));
}

void SystemConnectionBackend::listConnections(ConnectionsDone done) {
    m_networkManager.activeConnections(
        [this, done = std::move(done)](Result<QList<ActiveConnection>> result) {
            // Interfaces NetworkManager does not run (or all of them, when it cannot be
            // asked) may still carry the internet.
            done(result.ok() && !result->isEmpty() ? *result : m_interfaces());
        });
}

void SystemConnectionBackend::listEntries(EntriesDone done) {
    // Without NetworkManager there is nothing to dial, which is no failure.
    m_networkManager.profiles([done = std::move(done)](Result<QList<DialEntry>> result) {
        done(result.ok() ? *result : QList<DialEntry>{});
    });
}

void SystemConnectionBackend::dial(const DialRequest& request, Done started, DialNotify notify) {
    // NetworkManager keeps the secrets of its profiles and asks for missing ones through the
    // desktop's own prompt, so the typed user name and password are not passed on.
    m_networkManager.activate(request.entryHandle, std::move(started), std::move(notify));
}

void SystemConnectionBackend::hangUp(const QString& handle, Done done) {
    if (handle.startsWith(kInterfaceHandlePrefix)) {
        later([done = std::move(done)] {
            done(Status::failure(QStringLiteral(
                "This connection is not run by NetworkManager and can only be ended in the "
                "system's network settings.")));
        });
        return;
    }
    m_networkManager.deactivate(handle, std::move(done));
}

QString SystemConnectionBackend::errorText(int error) const {
    return nm::errorText(error);
}

}  // namespace trivanto
