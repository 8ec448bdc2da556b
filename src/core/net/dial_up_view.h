#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace trivanto {

// Field capacities of the connection list, as the system's records hold them.
inline constexpr int kConnectionNameCapacity = 256;
inline constexpr int kDeviceTypeCapacity = 16;
inline constexpr int kDeviceNameCapacity = 128;
inline constexpr int kEntryNameCapacity = 256;

// One row of the connection list (`lvConnections`).
struct ConnectionRow {
    QString handle;      // what the hang-up needs
    QString name;        // "Name"
    QString deviceType;  // "Device type"
    QString deviceName;  // "Device name"
    QString status;      // "Status": RasStateText of its state
};

// Everything the dial-up window (`TRASForm`) shows. The window renders it whenever the
// connection manager emits changed() and forwards what the user does; it holds no rule.
struct DialUpView {
    bool windowVisible = false;  // shown modally while EnsureOnline waits for the user

    QList<ConnectionRow> connections;  // `lvConnections` (not visible to the user)
    int selectedConnection = -1;       // the first row after each listing; -1 when empty

    QStringList entries;     // `lstentries`
    int selectedEntry = -1;  // -1 when there is none
    QString userName;        // `txtUserName`
    QString password;        // `txtPassword` (shown as "*")

    QStringList statusLines;     // `lblstatus`, one line per dial event
    bool statusIsError = false;  // the last event carried an error: red text

    bool connectEnabled = false;  // `btndialentry`
    bool cancelEnabled = true;    // `FlatButton1`; off while a dial runs
    bool hangUpEnabled = false;   // `btnHangup`: the last listing found a connection
    bool busy = false;            // a dial is being started: hourglass cursor
    bool hangingUp = false;       // a hang-up runs, its one-second pause included
};

}  // namespace trivanto
