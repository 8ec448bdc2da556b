#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "core/common/result.h"
#include "server/top_list_store.h"

namespace trivanto {

class PostgresInstance;

enum class Backend { Sqlite, Postgres };

// For value-parameterised test names: "Sqlite", "Postgres".
std::string backendName(const ::testing::TestParamInfo<Backend>& info);

// A fresh, empty database of either back end. PostgreSQL starts a private server on first
// use (one per test process); a failure carries the reason to skip.
class StoreBackends final {
public:
    StoreBackends();
    ~StoreBackends();
    Result<DatabaseSettings> settings(Backend backend);
    // Breaks every connection to the database server (PostgreSQL only).
    Status restartServer(Backend backend);

private:
    QTemporaryDir m_dir;
};

}  // namespace trivanto
