#include "support/scripted_connection_backend.h"

namespace trivanto {

QStringList ScriptedConnectionBackend::activeConnections() {
    ++m_calls;
    return connections;
}

}  // namespace trivanto
