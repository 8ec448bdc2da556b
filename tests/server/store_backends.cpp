#include "store_backends.h"

#include "core/common/file_path.h"
#include "postgres_instance.h"
#include "support/core_application.h"

namespace trivanto {

namespace {

// Started once per test process and kept until it ends; the server is stopped at exit.
PostgresInstance* sharedPostgres(QString& why) {
    static QString failure;
    static std::unique_ptr<PostgresInstance> instance = PostgresInstance::start(failure);
    why = failure;
    return instance.get();
}

}  // namespace

std::string backendName(const ::testing::TestParamInfo<Backend>& info) {
    return info.param == Backend::Sqlite ? "Sqlite" : "Postgres";
}

StoreBackends::StoreBackends() {
    ensureCoreApplication();
}

StoreBackends::~StoreBackends() = default;

Result<DatabaseSettings> StoreBackends::settings(Backend backend) {
    if (backend == Backend::Sqlite) {
        DatabaseSettings settings;
        settings.driver = QStringLiteral("QSQLITE");
        settings.databaseName = filePath(m_dir.path(), QStringLiteral("toplist.sqlite"));
        return settings;
    }
    QString why;
    PostgresInstance* postgres = sharedPostgres(why);
    if (postgres == nullptr) {
        return Result<DatabaseSettings>::failure(QStringLiteral("PostgreSQL: ") + why);
    }
    return postgres->freshDatabase();
}

Status StoreBackends::restartServer(Backend backend) {
    QString why;
    PostgresInstance* postgres = backend == Backend::Postgres ? sharedPostgres(why) : nullptr;
    if (postgres == nullptr) {
        return Status::failure(QStringLiteral("no database server to restart ") + why);
    }
    return postgres->restart(why) ? Status::success() : Status::failure(why);
}

}  // namespace trivanto
