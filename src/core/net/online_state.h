#pragma once

#include <QObject>

namespace trivanto {

// The program-wide flag `IsOnline`: whether the computer is believed to be on line. One
// instance for the whole program, owned by the application; everyone who finds or loses a
// connection sets it (the connection manager, its poll, a failed transfer), everyone who
// shows it listens to changed().
class OnlineState final : public QObject {
    Q_OBJECT
public:
    explicit OnlineState(QObject* parent = nullptr) : QObject(parent) {}

    bool IsOnline() const { return m_online; }
    // Sets the flag; emits changed() only when it really changes.
    void setOnline(bool online);

signals:
    void changed(bool online);

private:
    bool m_online = false;  // off line until a connection is found
};

}  // namespace trivanto
