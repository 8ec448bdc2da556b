#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <optional>

#include "core/app/connection_backend.h"
#include "platform/nm_dial_steps.h"

namespace trivanto {

class NetworkManager;

// One activation of a NetworkManager profile, reported as a dial: NetworkManager's answer to
// the activation, then the states of the active connection and of its device, turned into
// (state, error) notifications until the connection is up or has failed. It listens for the
// state signals before it asks, so no change is lost, and removes itself at the end.
class NmDial final : public QObject {
    Q_OBJECT
public:
    NmDial(NetworkManager& networkManager, QDBusConnection bus, ConnectionBackend::Done started,
           ConnectionBackend::DialNotify notify, QObject* parent);
    ~NmDial() override;

    void start(const QString& profilePath);

private slots:
    void activeStateChanged(const QDBusMessage& message);
    void deviceStateChanged(const QDBusMessage& message);

private:
    void activated(const QDBusMessage& reply);
    void detailsRead(const QDBusMessage& reply);
    void report(const nm::DialStep& step);
    void finish();

    NetworkManager& m_networkManager;
    QDBusConnection m_bus;
    ConnectionBackend::Done m_started;
    ConnectionBackend::DialNotify m_notify;
    QString m_activePath;
    QStringList m_devices;
    uint m_deviceFailure = 0;
    std::optional<nm::DialStep> m_last;
    bool m_listening = false;
    bool m_finished = false;
};

}  // namespace trivanto
