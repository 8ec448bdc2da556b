// Storage and ranking, on SQLite and on a private PostgreSQL server: the same SQL for both.
#include "server/top_list_store.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <optional>
#include <string>

#include "core/common/file_path.h"
#include "postgres_instance.h"
#include "store_backends.h"

namespace trivanto {
namespace {

constexpr int kWeek = 202410;

class StoreFixture {
protected:
    // Opens a store on a fresh database; the reason when the back end is not there.
    std::optional<std::string> open(Backend backend) {
        Result<DatabaseSettings> settings = m_backends.settings(backend);
        if (!settings.ok()) {
            return settings.error().toStdString();
        }
        Result<std::unique_ptr<TopListStore>> store =
            TopListStore::open(*settings, QStringLiteral("store-test"));
        EXPECT_TRUE(store.ok()) << store.error().toStdString();
        if (store.ok()) {
            m_store = std::move(store.value());
        }
        return std::nullopt;
    }

    int add(const char* name, qint32 score, qint64 at, int week = kWeek) {
        const Result<int> rank =
            m_store->addResult(week, {QString::fromUtf8(name), QStringLiteral("x@y.z"), score,
                                      QStringLiteral("english"), at});
        EXPECT_TRUE(rank.ok()) << rank.error().toStdString();
        return rank.ok() ? *rank : -1;
    }

    QStringList names(int week, int limit = 50) {
        const Result<QList<StoredResult>> list = m_store->weekList(week, limit);
        EXPECT_TRUE(list.ok()) << list.error().toStdString();
        QStringList out;
        for (const StoredResult& result : list.value()) {
            out << result.name;
        }
        return out;
    }

    StoreBackends m_backends;
    std::unique_ptr<TopListStore> m_store;
};

class StoreTest : public StoreFixture, public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (const std::optional<std::string> skip = open(GetParam())) {
            GTEST_SKIP() << *skip;
        }
        ASSERT_TRUE(m_store);
    }
};

class StoreOnPostgresTest : public StoreFixture, public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::optional<std::string> skip = open(Backend::Postgres)) {
            GTEST_SKIP() << *skip;
        }
        ASSERT_TRUE(m_store);
    }
};

TEST_P(StoreTest, RankIsThePlaceAmongTheWeeksResults) {
    EXPECT_EQ(add("A", 5000, 1000), 1);
    EXPECT_EQ(add("B", 7000, 2000), 1);
    EXPECT_EQ(add("C", 6000, 3000), 2);
    // An equal score ranks after the earlier one.
    EXPECT_EQ(add("D", 6000, 4000), 3);
    EXPECT_EQ(add("E", -100, 5000), 5);
    EXPECT_EQ(add("F", 2147483647, 6000), 1);
    EXPECT_EQ(names(kWeek),
              (QStringList{QStringLiteral("F"), QStringLiteral("B"), QStringLiteral("C"),
                           QStringLiteral("D"), QStringLiteral("A"), QStringLiteral("E")}));
    EXPECT_EQ(names(kWeek, 2), (QStringList{QStringLiteral("F"), QStringLiteral("B")}));
}

TEST_P(StoreTest, WeeksAreSeparateLists) {
    EXPECT_EQ(add("Old", 9000, 1000, 202409), 1);
    EXPECT_EQ(add("New", 10, 2000, 202410), 1);
    EXPECT_EQ(names(202409), QStringList{QStringLiteral("Old")});
    EXPECT_EQ(names(202410), QStringList{QStringLiteral("New")});
    EXPECT_TRUE(names(202411).isEmpty());
}

TEST_P(StoreTest, TextsComeBackAsStored) {
    const StoredResult stored{QStringLiteral("J\u00fcrgen & \u00c6 %26 \u20ac"),
                              QStringLiteral("j+x=1@\u00e4.de"), -2500, QStringLiteral("deutsch"),
                              1709980000123};
    ASSERT_TRUE(m_store->addResult(kWeek, stored).ok());
    const Result<QList<StoredResult>> list = m_store->weekList(kWeek, 50);
    ASSERT_TRUE(list.ok());
    ASSERT_EQ(list->size(), 1);
    const StoredResult& back = list->at(0);
    EXPECT_EQ(back.name, stored.name);
    EXPECT_EQ(back.email, stored.email);
    EXPECT_EQ(back.score, stored.score);
    EXPECT_EQ(back.language, stored.language);
    EXPECT_EQ(back.createdMs, stored.createdMs);
}

TEST_F(StoreOnPostgresTest, ARestartedDatabaseServerIsReconnected) {
    EXPECT_EQ(add("Before", 100, 1000), 1);
    const Status restarted = m_backends.restartServer(Backend::Postgres);
    ASSERT_TRUE(restarted.ok()) << restarted.error().toStdString();
    EXPECT_EQ(add("After", 200, 2000), 1);
    EXPECT_EQ(names(kWeek), (QStringList{QStringLiteral("After"), QStringLiteral("Before")}));
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         backendName);

TEST(StoreWeeks, IsoWeeksRollOverOnMondayInUtc) {
    const std::pair<QDateTime, int> cases[] = {
        {QDateTime(QDate(2024, 3, 10), QTime(23, 59, 59), Qt::UTC), 202410},
        {QDateTime(QDate(2024, 3, 11), QTime(0, 0), Qt::UTC), 202411},
        {QDateTime(QDate(2024, 12, 30), QTime(12, 0), Qt::UTC), 202501},
        {QDateTime(QDate(2021, 1, 3), QTime(12, 0), Qt::UTC), 202053},
        {QDateTime(QDate(2024, 3, 11), QTime(0, 30), Qt::OffsetFromUTC, 3600), 202410},
    };
    for (const auto& [moment, key] : cases) {
        EXPECT_EQ(isoWeekKey(moment), key) << moment.toString(Qt::ISODate).toStdString();
    }
}

TEST(StoreAddresses, SqliteAndServerAddressesAreRead) {
    const Result<DatabaseSettings> sqlite =
        parseDatabaseAddress(QStringLiteral("sqlite:/srv/t.db"));
    ASSERT_TRUE(sqlite.ok());
    EXPECT_EQ(sqlite->driver, QStringLiteral("QSQLITE"));
    EXPECT_EQ(sqlite->databaseName, QStringLiteral("/srv/t.db"));

    const Result<DatabaseSettings> pg =
        parseDatabaseAddress(QStringLiteral("postgresql://top@db.test:5433/toplist"));
    ASSERT_TRUE(pg.ok());
    EXPECT_EQ(pg->driver, QStringLiteral("QPSQL"));
    EXPECT_EQ(pg->host, QStringLiteral("db.test"));
    EXPECT_EQ(pg->port, 5433);
    EXPECT_EQ(pg->userName, QStringLiteral("top"));
    EXPECT_EQ(pg->databaseName, QStringLiteral("toplist"));

    const Result<DatabaseSettings> socket =
        parseDatabaseAddress(QStringLiteral("postgresql://top@/toplist?host=/run/postgresql"));
    ASSERT_TRUE(socket.ok());
    EXPECT_EQ(socket->host, QStringLiteral("/run/postgresql"));

    for (const char* bad :
         {"sqlite:", "mysql://h/db", "postgresql://h", "postgresql://u:pw@h/db", "toplist.db"}) {
        EXPECT_FALSE(parseDatabaseAddress(QString::fromLatin1(bad)).ok()) << bad;
    }
}

}  // namespace
}  // namespace trivanto
