#pragma once

#include <QStringList>

#include "core/app/connection_backend.h"

namespace trivanto {

// Reports the connections a test sets and counts how often it was asked.
class ScriptedConnectionBackend final : public ConnectionBackend {
public:
    QStringList activeConnections() override;

    QStringList connections;
    int calls() const { return m_calls; }

private:
    int m_calls = 0;
};

}  // namespace trivanto
