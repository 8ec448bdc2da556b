#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

#include "core/common/result.h"

namespace trivanto {

// Where the results are kept: SQLite (one file, the default) or PostgreSQL (several server
// instances behind one address share one database). Both run the same SQL.
struct DatabaseSettings {
    QString driver = QStringLiteral("QSQLITE");  // or "QPSQL"
    QString databaseName;                        // the SQLite file, or the PostgreSQL database
    QString host;  // PostgreSQL: host name, or the folder of its Unix socket
    int port = -1;
    QString userName;
    QString password;
};

// "sqlite:FILE" or "postgresql://[USER@][HOST][:PORT]/DATABASE[?host=SOCKET-FOLDER]". The
// password is not part of the address.
Result<DatabaseSettings> parseDatabaseAddress(const QString& address);

// The ISO week of a moment in UTC as one number, year of the week times 100 plus the week:
// 202410 for the tenth week of 2024. Weeks start on Monday 00:00 UTC.
int isoWeekKey(const QDateTime& moment);

// One stored result.
struct StoredResult {
    QString name;
    QString email;
    qint32 score = 0;
    QString language;
    qint64 createdMs = 0;  // milliseconds since 1970 (UTC)
};

// The results of every week. A result's rank is its place among the results of its week:
// higher scores first, and among equal scores the earlier result first.
class TopListStore final {
public:
    // Opens the database and creates the table when it is missing. `connectionName` must be
    // unique in the process.
    static Result<std::unique_ptr<TopListStore>> open(const DatabaseSettings& settings,
                                                      const QString& connectionName);
    ~TopListStore();
    TopListStore(const TopListStore&) = delete;
    TopListStore& operator=(const TopListStore&) = delete;

    // Stores a result of week `week` and returns its rank. After a failure (a database server
    // that restarted, say) both reconnect once and try again.
    Result<int> addResult(int week, const StoredResult& result);
    // The best `limit` results of week `week`, best first.
    Result<QList<StoredResult>> weekList(int week, int limit);

private:
    explicit TopListStore(QString connectionName);
    Status createTable();
    Result<int> tryAddResult(int week, const StoredResult& result);
    Result<QList<StoredResult>> tryWeekList(int week, int limit);
    // Runs `attempt`; when it fails, reconnects once and runs it again.
    template <typename T>
    Result<T> retried(const std::function<Result<T>()>& attempt);

    QString m_connectionName;
};

}  // namespace trivanto
