#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/common/result.h"

namespace trivanto {

// The states of a connection and of a dial, numbered as the classic remote-access interface
// numbers them; every backend reports in these numbers, and RasStateText turns them into text.
enum RasState : int {
    RasOpenPort = 0,
    RasPortOpened = 1,
    RasConnectDevice = 2,
    RasDeviceConnected = 3,
    RasAllDevicesConnected = 4,
    RasAuthenticate = 5,
    RasAuthNotify = 6,
    RasAuthRetry = 7,
    RasAuthCallback = 8,
    RasAuthChangePassword = 9,
    RasAuthProject = 10,
    RasAuthLinkSpeed = 11,
    RasAuthAck = 12,
    RasReAuthenticate = 13,
    RasAuthenticated = 14,
    RasPrepareForCallback = 15,
    RasWaitForModemReset = 16,
    RasWaitForCallback = 17,
    RasProjected = 18,
    RasStartAuthentication = 19,
    RasCallbackComplete = 20,
    RasLogonNetwork = 21,
    RasInteractive = 4096,
    RasRetryAuthentication = 4097,
    RasCallbackSetByCaller = 4098,
    RasPasswordExpired = 4099,
    RasConnected = 8192,
    RasDisconnected = 8193,
};

// One active connection as the system lists it.
struct ActiveConnection {
    QString handle;      // what hangUp() needs; opaque to everyone but the backend
    QString name;        // the entry (profile) name
    QString deviceType;  // "ethernet", "wifi", "modem", ...
    QString deviceName;  // the network interface, "eth0"
    int state = RasConnected;
    int error = 0;  // 0, or a code for ConnectionBackend::errorText
};

// One entry the user can dial: a connection profile of the system.
struct DialEntry {
    QString handle;    // what dial() needs; opaque
    QString name;      // shown in the entry list
    QString userName;  // the stored user name, may be empty
    QString password;  // the stored password; only meaningful when passwordStored
    bool passwordStored = false;
};

struct DialRequest {
    QString entryHandle;
    QString entryName;
    QString userName;
    QString password;
};

// Finds, dials and hangs up the computer's network connections.
//
// Every callback runs later, on the thread that made the call (the user-interface thread),
// never inside the call itself; the notifications of one dial arrive in the order the system
// reported them. No call blocks.
class ConnectionBackend {
public:
    using ConnectionsDone = std::function<void(Result<QList<ActiveConnection>>)>;
    using EntriesDone = std::function<void(Result<QList<DialEntry>>)>;
    using Done = std::function<void(Status)>;
    // (state, error) of a running dial; error is 0 or a code for errorText().
    using DialNotify = std::function<void(int state, int error)>;

    virtual ~ConnectionBackend() = default;

    // The active connections (the one that carries the internet first). A failure means the
    // system could not be asked, not that nothing is active.
    virtual void listConnections(ConnectionsDone done) = 0;
    // The entries that can be dialled, in the system's order.
    virtual void listEntries(EntriesDone done) = 0;
    // Starts dialling. `started` reports whether the dial began (with the system's reason when
    // not); after a success `notify` reports each state until Connected or a failure (a
    // non-zero error, or Disconnected), then nothing more.
    virtual void dial(const DialRequest& request, Done started, DialNotify notify) = 0;
    // Ends the connection of `handle`.
    virtual void hangUp(const QString& handle, Done done) = 0;
    // The system's text for an error code of a notification or a listed connection.
    virtual QString errorText(int error) const = 0;
};

}  // namespace trivanto
