#pragma once

#include <QStringList>

namespace trivanto {

// Knows whether the computer is on line: the names of the active connections.
class ConnectionBackend {
public:
    virtual ~ConnectionBackend() = default;
    virtual QStringList activeConnections() = 0;
};

// Reports no connection: the program stays off line until it is asked to connect.
class NoConnectionBackend final : public ConnectionBackend {
public:
    QStringList activeConnections() override { return {}; }
};

}  // namespace trivanto
