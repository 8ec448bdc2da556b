#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "server/top_list_store.h"

namespace trivanto {

// A private PostgreSQL server for one test program: initdb and pg_ctl in a temporary folder,
// listening only on a Unix socket in that folder. Run as root, the server runs as the
// "postgres" system user (or "nobody"), which PostgreSQL requires.
class PostgresInstance final {
public:
    // Starts one; none, with the reason in `why`, when PostgreSQL is not installed or will
    // not start.
    static std::unique_ptr<PostgresInstance> start(QString& why);
    ~PostgresInstance();

    // A connection to a fresh, empty database of this server.
    Result<DatabaseSettings> freshDatabase();
    // Stops the server at once and starts it again: every open connection breaks.
    bool restart(QString& why);

private:
    PostgresInstance() = default;
    // Runs a PostgreSQL program as the server's user; its output goes to `output`.
    bool run(const QString& program, const QStringList& arguments, QString& output) const;
    bool startServer(QString& why) const;

    QTemporaryDir m_dir;
    QString m_binDir;
    QString m_runAs;  // empty: the current user
    int m_databases = 0;
};

}  // namespace trivanto
