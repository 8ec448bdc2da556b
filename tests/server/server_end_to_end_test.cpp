// The reference server on 127.0.0.1 with the game's own client: ranks, weekly lists, limits,
// forged fields, the HTTP edges and the update files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "core/common/file_path.h"
#include "core/net/file_fetcher.h"
#include "core/scores/top_list.h"
#include "net/qt_http_client.h"
#include "server/top_list_server.h"
#include "server/top_list_store.h"
#include "store_backends.h"
#include "support/core_application.h"
#include "support/manual_clock.h"
#include "support/top_list_waits.h"

namespace trivanto {
namespace {

constexpr int kBoundMs = 10000;  // a real socket on loopback; generous, never reached
constexpr qint64 kWeekMs = qint64(7) * 24 * 3600 * 1000;

class ServerFixture : private WithCoreApplication {
protected:
    // Starts the server on a fresh database; false (with the reason) when the back end is
    // not there.
    bool start(Backend backend, TopListServerSettings settings = {}) {
        Result<DatabaseSettings> database = m_backends.settings(backend);
        if (!database.ok()) {
            m_skipReason = database.error().toStdString();
            return false;
        }
        Result<std::unique_ptr<TopListStore>> store =
            TopListStore::open(*database, QStringLiteral("end-to-end"));
        EXPECT_TRUE(store.ok()) << store.error().toStdString();
        if (!store.ok()) {
            return false;
        }
        m_store = std::move(store.value());
        m_server = std::make_unique<TopListServer>(*m_store, m_clock, std::move(settings));
        const Status listening = m_server->listen(QHostAddress::LocalHost, 0);
        EXPECT_TRUE(listening.ok()) << listening.error().toStdString();
        m_list.setURL(QStringLiteral("http://127.0.0.1:%1/orvalquest/top50").arg(m_server->port()));
        return listening.ok();
    }

    TopListSendReply send(const QString& name, qint32 score,
                          const QString& email = QStringLiteral("p@x.test"),
                          const QString& language = QStringLiteral("english")) {
        return addUserAndWait(m_list, name, email, score, language);
    }

    TTopListEntryList download() {
        EXPECT_EQ(downloadAndWait(m_list), tlrOk);
        return m_list.Entries();
    }

    QStringList downloadedNames() {
        QStringList names;
        for (const TTopListEntry& entry : download()) {
            names << entry.Name;
        }
        return names;
    }

    // Sends raw bytes on a connection of its own and returns all the server wrote before it
    // closed.
    QByteArray exchange(const QByteArray& request) {
        QTcpSocket socket;
        QSignalSpy closed(&socket, &QTcpSocket::disconnected);
        socket.connectToHost(QHostAddress::LocalHost, m_server->port());
        socket.write(request);
        EXPECT_TRUE(closed.wait(kBoundMs));
        return socket.readAll();
    }

    StoreBackends m_backends;
    std::string m_skipReason;
    ManualClock m_clock{QDateTime(QDate(2024, 3, 6), QTime(12, 0), Qt::UTC)};
    std::unique_ptr<TopListStore> m_store;
    std::unique_ptr<TopListServer> m_server;
    QtHttpClient m_network{QtHttpClient::Proxy::None};
    QTemporaryDir m_dir;
    TTopList m_list{m_network, m_clock, filePath(m_dir.path(), TTopListFile::defaultName())};
};

class ServerTest : public ServerFixture, public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (!start(GetParam())) {
            GTEST_SKIP() << m_skipReason;
        }
    }
};

TEST_P(ServerTest, RanksAreWeeklyPlacesAndTheListIsTheWeeksBest) {
    EXPECT_EQ(send(QStringLiteral("Anna Lee"), 5000).Rank, 1);
    m_clock.advance(1000);
    EXPECT_EQ(
        send(QStringLiteral("Bert"), 7000, QStringLiteral("b@x.test"), QStringLiteral("deutsch"))
            .Rank,
        1);
    m_clock.advance(1000);
    const TopListSendReply third = send(QStringLiteral("Cleo"), 6000);
    EXPECT_EQ(third.result, tlrOk);
    EXPECT_EQ(third.Rank, 2);
    EXPECT_EQ(third.Message, QStringLiteral("Thank you for taking part!"));
    m_clock.advance(1000);
    EXPECT_EQ(send(QStringLiteral("Dora"), 6000).Rank, 3);  // ties: the earlier first

    const TTopListEntryList list = download();
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list.at(0),
              (TTopListEntry{1, 7000, QStringLiteral("Bert"), QStringLiteral("b@x.test"),
                             QStringLiteral("deutsch"), QStringLiteral("2024-03-06")}));
    EXPECT_EQ(list.at(3).Name, QStringLiteral("Anna Lee"));
    EXPECT_EQ(list.at(2).Name, QStringLiteral("Dora"));

    // Monday 00:00 UTC starts an empty list; the old week keeps its results.
    m_clock.advance(kWeekMs);
    EXPECT_TRUE(download().isEmpty());
    EXPECT_EQ(send(QStringLiteral("Emil"), 10).Rank, 1);
    EXPECT_EQ(downloadedNames(), QStringList{QStringLiteral("Emil")});
}

TEST_P(ServerTest, NoFieldCanForgeAnother) {
    const QString forged = QStringLiteral("Eve&x@y.z&999,999&english");
    EXPECT_EQ(send(forged, 1, QStringLiteral("e+1=2&s=3@v.test")).result, tlrOk);
    EXPECT_EQ(send(QStringLiteral("Max~Power"), 2).result, tlrOk);
    EXPECT_EQ(send(QStringLiteral("100% #1"), 3).result, tlrOk);
    const TTopListEntryList list = download();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.at(0).Name, QStringLiteral("100% #1"));
    EXPECT_EQ(list.at(1).Name, QStringLiteral("Max Power"));
    EXPECT_EQ(list.at(2).Name, forged);
    EXPECT_EQ(list.at(2).EMail, QStringLiteral("e+1=2&s=3@v.test"));
    EXPECT_EQ(list.at(2).Score, 1);
    EXPECT_EQ(list.at(2).Language, QStringLiteral("english"));
}

INSTANTIATE_TEST_SUITE_P(Backends, ServerTest,
                         ::testing::Values(Backend::Sqlite, Backend::Postgres), backendName);

class ServerLimitsTest : public ServerFixture, public ::testing::Test {};

TEST_F(ServerLimitsTest, RefusedMalformedAndTooManySendsGetTheirStatus) {
    TopListServerSettings settings;
    settings.sendsPerHour = 4;
    ASSERT_TRUE(start(Backend::Sqlite, settings));
    EXPECT_EQ(send(QString(), 1).result, tlrStatus2);
    EXPECT_EQ(send(QStringLiteral("Anna"), 1, QStringLiteral("no address")).result, tlrStatus2);
    EXPECT_EQ(
        send(QStringLiteral("Anna"), 1, QStringLiteral("a@b.c"), QStringLiteral("English")).result,
        tlrStatus3);
    EXPECT_EQ(send(QStringLiteral("Anna"), 1).result, tlrOk);
    EXPECT_EQ(send(QStringLiteral("Anna"), 2).result, tlrStatus4);
    m_clock.advance(3600 * 1000);
    EXPECT_EQ(send(QStringLiteral("Anna"), 3).Rank, 1);
    EXPECT_EQ(download().size(), 2);
}

TEST_F(ServerLimitsTest, TheListHasListSizePlaces) {
    TopListServerSettings settings;
    settings.listSize = 3;
    ASSERT_TRUE(start(Backend::Sqlite, settings));
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(send(QStringLiteral("P%1").arg(i), i * 100).Rank, 1);
    }
    EXPECT_EQ(downloadedNames(),
              (QStringList{QStringLiteral("P5"), QStringLiteral("P4"), QStringLiteral("P3")}));
}

TEST_F(ServerLimitsTest, HttpEdgesAnswerWithTheirStatus) {
    TopListServerSettings settings;
    ASSERT_TRUE(start(Backend::Sqlite, settings));
    struct Case {
        const char* name;
        QByteArray request;
        QByteArray statusLine;
        QByteArray bodyEnd;  // the response ends so
    };
    const Case cases[] = {
        {"unknown path", "GET /nope HTTP/1.1\r\n\r\n", "HTTP/1.1 404 Not Found", "Not Found\n"},
        {"post", "POST /orvalquest/top50/toplist.pl HTTP/1.1\r\nContent-Length: 0\r\n\r\n",
         "HTTP/1.1 405 Method Not Allowed", "\n"},
        {"head of a send",
         "HEAD /orvalquest/top50/toplist.pl?TLADDUSER&A&a@b.c&1&english "
         "HTTP/1.1\r\n\r\n",
         "HTTP/1.1 405 Method Not Allowed", "\r\n\r\n"},
        {"head of the list", "HEAD /orvalquest/top50/toplist.dat HTTP/1.0\r\n\r\n",
         "HTTP/1.1 200 OK", "Connection: close\r\n\r\n"},
        {"send without command", "GET /orvalquest/top50/toplist.pl HTTP/1.1\r\n\r\n",
         "HTTP/1.1 200 OK", "\r\n\r\n3\n"},
        {"escaped path", "GET /orvalquest/top50/toplist%2Edat HTTP/1.1\r\n\r\n", "HTTP/1.1 200 OK",
         "\r\n\r\n"},
        {"head too large", "GET /x HTTP/1.1\r\nX-Pad: " + QByteArray(9000, 'p') + "\r\n\r\n",
         "HTTP/1.1 431 Request Header Fields Too Large", "\n"},
        {"not HTTP at all", QByteArray("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03\r\n\r\n", 15),
         "HTTP/1.1 400 Bad Request", "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray response = exchange(c.request);
        EXPECT_TRUE(response.startsWith(c.statusLine + "\r\n")) << response.toStdString();
        EXPECT_TRUE(response.endsWith(c.bodyEnd)) << response.toStdString();
    }
    // Neither the HEAD nor anything else stored a result.
    EXPECT_TRUE(download().isEmpty());
}

TEST_F(ServerLimitsTest, SlowHeadsTimeOutAndConnectionsAreCapped) {
    TopListServerSettings settings;
    settings.maxConnectionsPerAddress = 2;
    ASSERT_TRUE(start(Backend::Sqlite, settings));
    QSignalSpy opened(m_server.get(), &TopListServer::connectionsChanged);
    QTcpSocket slow;
    slow.connectToHost(QHostAddress::LocalHost, m_server->port());
    slow.write("GET /orvalquest/top50/toplist.dat HTTP/1.1\r\nHost: x\r\n");
    ASSERT_TRUE(opened.wait(kBoundMs));
    QTcpSocket second;
    second.connectToHost(QHostAddress::LocalHost, m_server->port());
    ASSERT_TRUE(opened.wait(kBoundMs));

    // A third connection from the same address is turned away at once.
    EXPECT_TRUE(exchange("GET /orvalquest/top50/toplist.dat HTTP/1.1\r\n\r\n")
                    .startsWith("HTTP/1.1 503 Service Unavailable\r\n"));

    // The head that never ends is answered when its time is up.
    QSignalSpy closed(&slow, &QTcpSocket::disconnected);
    m_clock.advance(settings.headTimeoutMs);
    ASSERT_TRUE(closed.wait(kBoundMs));
    EXPECT_TRUE(slow.readAll().startsWith("HTTP/1.1 408 Request Timeout\r\n"));
}

TEST_F(ServerLimitsTest, TooManyRequestsFromOneAddressAreRefused) {
    TopListServerSettings settings;
    settings.requestsPerMinute = 2;
    ASSERT_TRUE(start(Backend::Sqlite, settings));
    const QByteArray request = "GET /orvalquest/top50/toplist.dat HTTP/1.1\r\n\r\n";
    EXPECT_TRUE(exchange(request).startsWith("HTTP/1.1 200 OK\r\n"));
    EXPECT_TRUE(exchange(request).startsWith("HTTP/1.1 200 OK\r\n"));
    const QByteArray refused = exchange(request);
    EXPECT_TRUE(refused.startsWith("HTTP/1.1 429 Too Many Requests\r\n"));
    EXPECT_TRUE(refused.contains("\r\nRetry-After: 60\r\n"));
    m_clock.advance(60 * 1000);
    EXPECT_TRUE(exchange(request).startsWith("HTTP/1.1 200 OK\r\n"));
}

TEST_F(ServerLimitsTest, StaticFilesReachTheDownloadComponentWhole) {
    QTemporaryDir files;
    ASSERT_TRUE(QDir(files.path()).mkdir(QStringLiteral("orvalquest")));
    QByteArray package(300 * 1000 + 7, Qt::Uninitialized);
    for (qsizetype i = 0; i < package.size(); ++i) {
        package[i] = char(i * 7 % 251);
    }
    {
        QFile file(files.filePath(QStringLiteral("orvalquest/paket.zip")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(package);
    }
    TopListServerSettings settings;
    settings.staticRoot = files.path();
    ASSERT_TRUE(start(Backend::Sqlite, settings));

    TFileFetcher fetcher(m_network, m_clock);
    fetcher.setBinaryData(true);
    fetcher.setWaitThread(true);
    fetcher.setURL(
        QStringLiteral("http://127.0.0.1:%1/orvalquest/paket.zip").arg(m_server->port()));
    fetcher.setFileName(m_dir.filePath(QStringLiteral("paket.zip")));
    QSignalSpy done(&fetcher, &TFileFetcher::OnDoneFile);
    ASSERT_TRUE(fetcher.Start());
    ASSERT_TRUE(done.wait(kBoundMs));
    QFile fetched(m_dir.filePath(QStringLiteral("paket.zip")));
    ASSERT_TRUE(fetched.open(QIODevice::ReadOnly));
    EXPECT_EQ(fetched.readAll(), package);

    EXPECT_TRUE(exchange("GET /orvalquest/../orvalquest/paket.zip HTTP/1.1\r\n\r\n")
                    .startsWith("HTTP/1.1 404"));
}

}  // namespace
}  // namespace trivanto
