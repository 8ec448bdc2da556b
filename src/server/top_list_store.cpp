#include "server/top_list_store.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

namespace trivanto {

namespace {

// One SQL for SQLite and PostgreSQL: standard types, no auto-increment (the id is a UUID).
const char* const kCreateTable =
    "CREATE TABLE IF NOT EXISTS toplist_results ("
    " id VARCHAR(32) PRIMARY KEY,"
    " week_key INTEGER NOT NULL,"
    " created_ms BIGINT NOT NULL,"
    " player_name VARCHAR(64) NOT NULL,"
    " email VARCHAR(128) NOT NULL,"
    " score INTEGER NOT NULL,"
    " language_word VARCHAR(32) NOT NULL)";
const char* const kCreateIndex =
    "CREATE INDEX IF NOT EXISTS toplist_results_week ON toplist_results (week_key, score)";
const char* const kInsert =
    "INSERT INTO toplist_results"
    " (id, week_key, created_ms, player_name, email, score, language_word)"
    " VALUES (?, ?, ?, ?, ?, ?, ?)";
// The results of the week that stand before the given one: the higher scores, then the earlier
// of the equal ones. Two counts, so each walks one range of the (week_key, score) index.
const char* const kCountBefore =
    "SELECT (SELECT COUNT(*) FROM toplist_results WHERE week_key = ? AND score > ?) +"
    " (SELECT COUNT(*) FROM toplist_results WHERE week_key = ? AND score = ? AND"
    " (created_ms < ? OR (created_ms = ? AND id < ?)))";
const char* const kWeekList =
    "SELECT player_name, email, score, language_word, created_ms FROM toplist_results"
    " WHERE week_key = ? ORDER BY score DESC, created_ms ASC, id ASC LIMIT ?";

Status sqlFailure(const char* what, const QSqlError& error) {
    return Status::failure(QStringLiteral("%1: %2").arg(QLatin1String(what), error.text()));
}

Status run(QSqlQuery& query, const char* sql, const QVariantList& values) {
    // PostgreSQL prepares no table definitions: statements without values run directly.
    if (values.isEmpty()) {
        return query.exec(QString::fromLatin1(sql))
                   ? Status::success()
                   : sqlFailure("running a query", query.lastError());
    }
    if (!query.prepare(QString::fromLatin1(sql))) {
        return sqlFailure("preparing a query", query.lastError());
    }
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        return sqlFailure("running a query", query.lastError());
    }
    return Status::success();
}

}  // namespace

Result<DatabaseSettings> parseDatabaseAddress(const QString& address) {
    DatabaseSettings settings;
    if (address.startsWith(QLatin1String("sqlite:"))) {
        settings.driver = QStringLiteral("QSQLITE");
        settings.databaseName = address.mid(7);
        if (settings.databaseName.isEmpty()) {
            return Result<DatabaseSettings>::failure(
                QStringLiteral("\"%1\" names no SQLite file").arg(address));
        }
        return settings;
    }
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("postgresql") &&
                           url.scheme() != QLatin1String("postgres"))) {
        return Result<DatabaseSettings>::failure(
            QStringLiteral("\"%1\" is neither sqlite:FILE nor postgresql://HOST/DATABASE")
                .arg(address));
    }
    settings.driver = QStringLiteral("QPSQL");
    settings.host = url.host();
    // As with libpq: "?host=/run/postgresql" names the folder of a Unix socket.
    const QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("host"))) {
        settings.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    }
    settings.port = url.port(-1);
    settings.userName = url.userName();
    settings.databaseName = url.path().mid(1);
    if (!url.password().isEmpty()) {
        return Result<DatabaseSettings>::failure(QStringLiteral(
            "put the database password in TRIVANTO_DB_PASSWORD, not in the address"));
    }
    if (settings.databaseName.isEmpty()) {
        return Result<DatabaseSettings>::failure(
            QStringLiteral("\"%1\" names no database").arg(address));
    }
    return settings;
}

int isoWeekKey(const QDateTime& moment) {
    int year = 0;
    const int week = moment.toUTC().date().weekNumber(&year);
    return year * 100 + week;
}

TopListStore::TopListStore(QString connectionName) : m_connectionName(std::move(connectionName)) {}

TopListStore::~TopListStore() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

Result<std::unique_ptr<TopListStore>> TopListStore::open(const DatabaseSettings& settings,
                                                         const QString& connectionName) {
    if (!QSqlDatabase::isDriverAvailable(settings.driver)) {
        return Result<std::unique_ptr<TopListStore>>::failure(
            QStringLiteral("the Qt SQL driver %1 is not installed").arg(settings.driver));
    }
    std::unique_ptr<TopListStore> store(new TopListStore(connectionName));
    QSqlDatabase db = QSqlDatabase::addDatabase(settings.driver, connectionName);
    db.setDatabaseName(settings.databaseName);
    if (!settings.host.isEmpty()) {
        db.setHostName(settings.host);
    }
    if (settings.port > 0) {
        db.setPort(settings.port);
    }
    db.setUserName(settings.userName);
    db.setPassword(settings.password);
    if (settings.driver == QLatin1String("QSQLITE")) {
        // Several requests may meet one write; wait for it instead of failing at once.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    if (!db.open()) {
        return Result<std::unique_ptr<TopListStore>>::failure(
            sqlFailure("opening the database", db.lastError()).error());
    }
    if (const Status created = store->createTable(); !created.ok()) {
        return Result<std::unique_ptr<TopListStore>>::failure(created.error());
    }
    return store;
}

Status TopListStore::createTable() {
    QSqlQuery query(QSqlDatabase::database(m_connectionName));
    if (const Status table = run(query, kCreateTable, {}); !table.ok()) {
        return table;
    }
    return run(query, kCreateIndex, {});
}

template <typename T>
Result<T> TopListStore::retried(const std::function<Result<T>()>& attempt) {
    Result<T> first = attempt();
    if (first.ok()) {
        return first;
    }
    // A database server that restarted leaves a dead connection behind: open a new one and
    // try once more. A transaction that broke was rolled back, so nothing is stored twice.
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    db.close();
    if (!db.open()) {
        return first;
    }
    return attempt();
}

Result<int> TopListStore::addResult(int week, const StoredResult& result) {
    return retried<int>([&] { return tryAddResult(week, result); });
}

Result<QList<StoredResult>> TopListStore::weekList(int week, int limit) {
    return retried<QList<StoredResult>>([&] { return tryWeekList(week, limit); });
}

Result<int> TopListStore::tryAddResult(int week, const StoredResult& result) {
    QSqlDatabase db = QSqlDatabase::database(m_connectionName);
    const QString id = QUuid::createUuid().toString(QUuid::Id128);
    if (!db.transaction()) {
        return Result<int>(sqlFailure("starting a transaction", db.lastError()));
    }
    QSqlQuery query(db);
    Status status =
        run(query, kInsert,
            {id, week, result.createdMs, result.name, result.email, result.score, result.language});
    if (status.ok()) {
        status =
            run(query, kCountBefore,
                {week, result.score, week, result.score, result.createdMs, result.createdMs, id});
    }
    if (status.ok() && !query.next()) {
        status = sqlFailure("counting the results", query.lastError());
    }
    const int before = status.ok() ? query.value(0).toInt() : 0;
    query.finish();
    if (!status.ok()) {
        db.rollback();
        return Result<int>(status);
    }
    if (!db.commit()) {
        return Result<int>(sqlFailure("storing the result", db.lastError()));
    }
    return before + 1;
}

Result<QList<StoredResult>> TopListStore::tryWeekList(int week, int limit) {
    QSqlQuery query(QSqlDatabase::database(m_connectionName));
    if (const Status status = run(query, kWeekList, {week, limit}); !status.ok()) {
        return Result<QList<StoredResult>>(status);
    }
    QList<StoredResult> results;
    while (query.next()) {
        results.append({query.value(0).toString(), query.value(1).toString(),
                        query.value(2).toInt(), query.value(3).toString(),
                        query.value(4).toLongLong()});
    }
    return results;
}

}  // namespace trivanto
