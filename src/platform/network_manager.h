#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <functional>

#include "core/app/connection_backend.h"

namespace trivanto {

// NetworkManager over D-Bus: its active connections, its connection profiles, activating and
// deactivating them. Every call is asynchronous and bounded by a time-out; answers arrive on
// the thread of this object. A call fails when NetworkManager cannot be asked (no bus, not
// running, refused); it is never started on demand.
class NetworkManager final : public QObject {
    Q_OBJECT
public:
    static constexpr int kCallTimeoutMs = 5000;
    // Activating may wait for the user to authorise it in the desktop's password prompt.
    static constexpr int kActivateTimeoutMs = 120000;

    explicit NetworkManager(QDBusConnection bus, QObject* parent = nullptr);

    // The activated connections that carry a default route, the primary one first.
    void activeConnections(ConnectionBackend::ConnectionsDone done);
    // The profiles a user can activate (not loopback, not a port of another connection, not
    // one NetworkManager only shows for something outside it), in NetworkManager's order.
    void profiles(ConnectionBackend::EntriesDone done);
    // Activates a profile; `started` gets NetworkManager's answer, `notify` the states.
    void activate(const QString& profilePath, ConnectionBackend::Done started,
                  ConnectionBackend::DialNotify notify);
    void deactivate(const QString& activePath, ConnectionBackend::Done done);

    // Sends one call; `done` gets the reply or the error, unless `context` is gone by then.
    void call(const QDBusMessage& message, int timeoutMs, QObject* context,
              std::function<void(const QDBusMessage&)> done);

private:
    // Sends the calls together; `done` gets the replies in the same order once all are back.
    void callAll(const QList<QDBusMessage>& messages,
                 std::function<void(const QList<QDBusMessage>&)> done);
    void activeListed(const QList<QDBusMessage>& replies, const QList<QString>& paths,
                      const QString& primary, ConnectionBackend::ConnectionsDone done);

    QDBusConnection m_bus;
};

}  // namespace trivanto
