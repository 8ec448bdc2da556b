// The download component against a loopback server that misbehaves in every way a real one can.
#include "core/net/file_fetcher.h"
#include "core/net/http_transfer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "net/qt_http_client.h"
#include "support/core_application.h"
#include "support/event_relay.h"
#include "support/loopback_http_server.h"
#include "support/manual_clock.h"

namespace trivanto {
namespace {

constexpr int kBoundMs = 10000;  // a real socket on loopback; generous, never reached

QByteArray bodyOf(qint64 size) {
    QByteArray body(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i) {
        body[i] = char('a' + i % 26);
    }
    return body;
}

// Sends the head and the first `sent` of 5000 bytes, then keeps the connection open.
LoopbackReply stalledReply(qint64 sent) {
    LoopbackReply reply;
    reply.body = bodyOf(5000);
    reply.bodyBytesSent = sent;
    reply.ending = LoopbackReply::Ending::Stall;
    return reply;
}

class FileFetcherTest : public ::testing::Test, private WithCoreApplication {
protected:
    FileFetcherTest() {
        m_fetcher.setBinaryData(true);
        m_fetcher.setWaitThread(true);
        m_fetcher.setFileName(target());
        m_fetcher.setURL(m_server.url(QStringLiteral("/dir/file.zip")));
    }

    QString target() const { return m_dir.filePath(QStringLiteral("file.zip")); }
    bool targetExists() const { return QFile::exists(target()); }
    QByteArray targetBytes() const {
        QFile file(target());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }
    // The folder holds only the target (no temporary file left behind).
    QStringList folderEntries() const {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    // Starts and waits until the continuation has run; true when it did within the bound.
    bool startAndWait() {
        QSignalSpy ended(&m_relay, &EventRelay::fired);
        if (!m_fetcher.Start([this] { m_relay.fire(); })) {
            return false;
        }
        return ended.wait(kBoundMs);
    }

    QTemporaryDir m_dir;
    QtHttpClient m_network{QtHttpClient::Proxy::None};
    ManualClock m_clock;
    LoopbackHttpServer m_server;
    TFileFetcher m_fetcher{m_network, m_clock};
    EventRelay m_relay;
};

TEST_F(FileFetcherTest, WholeBodyWithMatchingLengthIsSavedAndReported) {
    LoopbackReply reply;
    reply.body = bodyOf(5000);
    m_server.setReply(reply);
    QSignalSpy done(&m_fetcher, &TFileFetcher::OnDoneFile);
    QSignalSpy failed(&m_fetcher, &TFileFetcher::OnError);
    QSignalSpy progress(&m_fetcher, &TFileFetcher::OnProgress);

    ASSERT_TRUE(startAndWait());
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(failed.count(), 0);
    EXPECT_EQ(done[0][0].toString(), target());
    EXPECT_EQ(done[0][1].toLongLong(), 5000);
    EXPECT_EQ(targetBytes(), reply.body);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("file.zip")});
    EXPECT_TRUE(m_fetcher.lastError().isEmpty());
    EXPECT_FALSE(m_fetcher.isRunning());
    // One report per block: the total stays, the count grows to the whole body.
    ASSERT_GE(progress.count(), 1);
    qint64 previous = 0;
    for (const QList<QVariant>& step : progress) {
        EXPECT_EQ(step[0].toLongLong(), 5000);
        EXPECT_GT(step[1].toLongLong(), previous);
        EXPECT_LE(step[1].toLongLong() - previous, HttpTransfer::kBlockSize);
        previous = step[1].toLongLong();
    }
    EXPECT_EQ(previous, 5000);
}

TEST_F(FileFetcherTest, BrokenRepliesFailAndLeaveTheOldFileAlone) {
    struct Case {
        const char* name;
        LoopbackReply reply;
        bool binaryData;
        qint64 maxSize;
    };
    const auto reply = [](auto change) {
        LoopbackReply r;
        r.body = bodyOf(5000);
        change(r);
        return r;
    };
    const Case cases[] = {
        {"short body then close", reply([](LoopbackReply& r) { r.bodyBytesSent = 3000; }), true,
         TFileFetcher::kDefaultMaxSize},
        {"short body then reset", reply([](LoopbackReply& r) {
             r.bodyBytesSent = 3000;
             r.ending = LoopbackReply::Ending::Reset;
         }),
         true, TFileFetcher::kDefaultMaxSize},
        {"no length with BinaryData",
         reply([](LoopbackReply& r) { r.length = LoopbackReply::Length::None; }), true,
         TFileFetcher::kDefaultMaxSize},
        {"error page with a correct length", reply([](LoopbackReply& r) {
             r.status = 404;
             r.reason = "Not Found";
             r.body = "<html>not here</html>";
         }),
         true, TFileFetcher::kDefaultMaxSize},
        {"server error", reply([](LoopbackReply& r) { r.status = 500; }), true,
         TFileFetcher::kDefaultMaxSize},
        {"announced body over the limit", reply([](LoopbackReply&) {}), true, 4999},
        {"unannounced body over the limit",
         reply([](LoopbackReply& r) { r.length = LoopbackReply::Length::None; }), false, 4999},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            QFile old(target());
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old copy");
        }
        m_server.setReply(c.reply);
        m_fetcher.setBinaryData(c.binaryData);
        m_fetcher.setMaxSize(c.maxSize);
        QSignalSpy done(&m_fetcher, &TFileFetcher::OnDoneFile);
        QSignalSpy failed(&m_fetcher, &TFileFetcher::OnError);

        ASSERT_TRUE(startAndWait());
        EXPECT_EQ(done.count(), 0);
        EXPECT_EQ(failed.count(), 1);
        EXPECT_FALSE(m_fetcher.lastError().isEmpty());
        EXPECT_EQ(targetBytes(), QByteArray("old copy"));
        EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("file.zip")});
    }
}

TEST_F(FileFetcherTest, NoLengthWithoutBinaryDataSucceedsAtTheEndOfTheBody) {
    LoopbackReply reply;
    reply.body = bodyOf(70000);
    reply.length = LoopbackReply::Length::None;
    m_server.setReply(reply);
    m_fetcher.setBinaryData(false);
    QSignalSpy done(&m_fetcher, &TFileFetcher::OnDoneFile);

    ASSERT_TRUE(startAndWait());
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(done[0][1].toLongLong(), 70000);
    EXPECT_EQ(targetBytes(), reply.body);
}

TEST_F(FileFetcherTest, MissingTargetFolderFailsWithoutCreatingIt) {
    m_server.setReply(LoopbackReply{});
    m_fetcher.setFileName(m_dir.filePath(QStringLiteral("no/such/folder/file.zip")));
    QSignalSpy failed(&m_fetcher, &TFileFetcher::OnError);
    ASSERT_TRUE(startAndWait());
    EXPECT_EQ(failed.count(), 1);
    EXPECT_FALSE(QDir(m_dir.filePath(QStringLiteral("no"))).exists());
}

TEST_F(FileFetcherTest, AddressFormsReachTheRightPath) {
    struct Case {
        QString url;
        QByteArray target;
    };
    const QString hostPort = QStringLiteral("127.0.0.1:%1").arg(m_server.port());
    const Case cases[] = {
        {QStringLiteral("HTTP://") + hostPort + QStringLiteral("/dir/file.zip"), "/dir/file.zip"},
        {QStringLiteral("hTtP://") + hostPort + QStringLiteral("/"), "/"},
        {hostPort + QStringLiteral("/banner.dat"), "/banner.dat"},
        {hostPort, "/"},
        {QStringLiteral("http://") + hostPort + QStringLiteral("/a b.zip"), "/a%20b.zip"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url.toStdString());
        m_fetcher.setURL(c.url);
        QSignalSpy done(&m_fetcher, &TFileFetcher::OnDoneFile);
        ASSERT_TRUE(startAndWait());
        EXPECT_EQ(done.count(), 1);
        ASSERT_FALSE(m_server.requests().isEmpty());
        EXPECT_EQ(m_server.requests().last().target, c.target);
    }
}

TEST_F(FileFetcherTest, UnusableAddressesFailWithoutAnyRequest) {
    for (const char* url : {"ftp://127.0.0.1/x", "", "http:///x", "http://[::1/x"}) {
        SCOPED_TRACE(url);
        m_fetcher.setURL(QString::fromLatin1(url));
        QSignalSpy failed(&m_fetcher, &TFileFetcher::OnError);
        ASSERT_TRUE(startAndWait());
        EXPECT_EQ(failed.count(), 1);
    }
    EXPECT_TRUE(m_server.requests().isEmpty());
    EXPECT_FALSE(targetExists());
}

TEST_F(FileFetcherTest, HttpsWithAPortIsTriedAndAFailedHandshakeFails) {
    // A server that answers a TLS greeting in plain HTTP: the handshake cannot succeed.
    QTcpServer plain;
    ASSERT_TRUE(plain.listen(QHostAddress::LocalHost, 0));
    int connections = 0;
    QObject::connect(&plain, &QTcpServer::newConnection, [&plain, &connections] {
        ++connections;
        QTcpSocket* socket = plain.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            socket->readAll();
            socket->write("HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\n\r\n");
            socket->disconnectFromHost();
        });
    });
    m_fetcher.setURL(QStringLiteral("https://127.0.0.1:%1/dir/file.zip").arg(plain.serverPort()));
    QSignalSpy failed(&m_fetcher, &TFileFetcher::OnError);
    ASSERT_TRUE(startAndWait());
    EXPECT_EQ(connections, 1);  // the port was used
    EXPECT_EQ(failed.count(), 1);
    EXPECT_FALSE(targetExists());
}

TEST_F(FileFetcherTest, RequestCarriesTheProperties) {
    m_fetcher.setAgent(QStringLiteral("Kestrune Fetch"));
    m_fetcher.setAcceptTypes(QStringLiteral("application/zip"));
    m_fetcher.setReferer(QStringLiteral("http://example.test/start"));
    ASSERT_TRUE(startAndWait());
    ASSERT_EQ(m_server.requests().size(), 1);
    LoopbackRequest get = m_server.requests().last();
    EXPECT_EQ(get.method, "GET");
    EXPECT_EQ(get.headers.value("user-agent"), "Kestrune Fetch");
    EXPECT_EQ(get.headers.value("accept"), "application/zip");
    EXPECT_EQ(get.headers.value("referer"), "http://example.test/start");
    EXPECT_EQ(get.headers.value("cache-control"), "no-cache");

    m_fetcher.setPostQuery(QStringLiteral("name=K\u00e4the&x=1"));
    ASSERT_TRUE(startAndWait());
    ASSERT_EQ(m_server.requests().size(), 2);
    const LoopbackRequest post = m_server.requests().last();
    EXPECT_EQ(post.method, "POST");
    EXPECT_EQ(post.headers.value("content-type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(post.body, QByteArray("name=K\xe4the&x=1"));
}

TEST_F(FileFetcherTest, CredentialsAnswerTheServersQuestion) {
    m_server.setHandler([](const LoopbackRequest& request) {
        LoopbackReply reply;
        if (request.headers.value("authorization") !=
            "Basic " + QByteArray("anna:secret").toBase64()) {
            reply.status = 401;
            reply.reason = "Unauthorized";
            reply.headers.append(
                qMakePair(QByteArray("WWW-Authenticate"), QByteArray("Basic realm=\"updates\"")));
        } else {
            reply.body = "granted";
        }
        return reply;
    });
    // Wrong credentials are offered once, then the transfer fails.
    m_fetcher.setUserName(QStringLiteral("anna"));
    m_fetcher.setPassword(QStringLiteral("wrong"));
    QSignalSpy failed(&m_fetcher, &TFileFetcher::OnError);
    ASSERT_TRUE(startAndWait());
    EXPECT_EQ(failed.count(), 1);
    EXPECT_FALSE(targetExists());

    m_fetcher.setPassword(QStringLiteral("secret"));
    QSignalSpy done(&m_fetcher, &TFileFetcher::OnDoneFile);
    ASSERT_TRUE(startAndWait());
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(targetBytes(), QByteArray("granted"));
}

TEST_F(FileFetcherTest, SecondStartWhileRunningChangesNothing) {
    m_server.setReply(stalledReply(1000));
    QSignalSpy progress(&m_fetcher, &TFileFetcher::OnProgress);
    QSignalSpy failed(&m_fetcher, &TFileFetcher::OnError);
    int continuations = 0;
    ASSERT_TRUE(m_fetcher.Start([&] {
        ++continuations;
        m_relay.fire();
    }));
    ASSERT_TRUE(progress.wait(kBoundMs));

    m_fetcher.setURL(m_server.url(QStringLiteral("/other")));
    EXPECT_FALSE(m_fetcher.Start([&] { ADD_FAILURE() << "second flow started"; }));
    EXPECT_TRUE(m_fetcher.isRunning());

    QSignalSpy ended(&m_relay, &EventRelay::fired);
    QSignalSpy closed(&m_server, &LoopbackHttpServer::connectionClosed);
    m_fetcher.Cancel();
    EXPECT_EQ(failed.count(), 0);  // not inside Cancel
    ASSERT_TRUE(ended.wait(kBoundMs));
    // The connection is given up, not left to run on.
    ASSERT_TRUE(closed.count() > 0 || closed.wait(kBoundMs));
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(continuations, 1);
    EXPECT_EQ(m_server.requests().size(), 1);
    EXPECT_FALSE(targetExists());
    EXPECT_TRUE(folderEntries().isEmpty());
    m_fetcher.Cancel();  // idle: nothing
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(failed.count(), 1);
}

TEST_F(FileFetcherTest, ThirtySecondsWithoutDataEndTheTransfer) {
    m_server.setReply(LoopbackReply::silence());
    QSignalSpy failed(&m_fetcher, &TFileFetcher::OnError);
    QSignalSpy asked(&m_server, &LoopbackHttpServer::requestReceived);
    QSignalSpy ended(&m_relay, &EventRelay::fired);
    ASSERT_TRUE(m_fetcher.Start([this] { m_relay.fire(); }));
    ASSERT_TRUE(asked.wait(kBoundMs));

    m_clock.advance(TFileFetcher::kInactivityTimeoutMs - 1);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ended.count(), 0);
    m_clock.advance(1);
    ASSERT_TRUE(ended.wait(kBoundMs));
    EXPECT_EQ(failed.count(), 1);
    EXPECT_TRUE(m_fetcher.lastError().contains(QLatin1String("30 s")));
    EXPECT_FALSE(targetExists());
}

TEST_F(FileFetcherTest, StalledBodyTimesOutAfterItsLastBlock) {
    m_server.setReply(stalledReply(2000));
    QSignalSpy progress(&m_fetcher, &TFileFetcher::OnProgress);
    QSignalSpy ended(&m_relay, &EventRelay::fired);
    ASSERT_TRUE(m_fetcher.Start([this] { m_relay.fire(); }));
    // The clock runs while the data arrives; each block starts the 30 s anew.
    m_clock.advance(TFileFetcher::kInactivityTimeoutMs - 1000);
    ASSERT_TRUE(progress.wait(kBoundMs));
    m_clock.advance(TFileFetcher::kInactivityTimeoutMs - 1);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ended.count(), 0);
    m_clock.advance(1);
    ASSERT_TRUE(ended.wait(kBoundMs));
    EXPECT_FALSE(targetExists());
}

TEST_F(FileFetcherTest, WithoutWaitThreadTheContinuationRunsAtOnce) {
    m_fetcher.setWaitThread(false);
    QSignalSpy done(&m_fetcher, &TFileFetcher::OnDoneFile);
    bool ranInsideStart = false;
    ASSERT_TRUE(m_fetcher.Start([&] { ranInsideStart = done.isEmpty(); }));
    EXPECT_TRUE(ranInsideStart);
    ASSERT_TRUE(done.wait(kBoundMs));
}

TEST_F(FileFetcherTest, DestroyingARunningFetcherReportsNothingAndLeavesNoFile) {
    m_server.setReply(stalledReply(1000));
    auto fetcher = std::make_unique<TFileFetcher>(m_network, m_clock);
    fetcher->setFileName(target());
    fetcher->setURL(m_server.url(QStringLiteral("/x")));
    QSignalSpy progress(fetcher.get(), &TFileFetcher::OnProgress);
    bool continued = false;
    fetcher->setWaitThread(true);
    ASSERT_TRUE(fetcher->Start([&] { continued = true; }));
    ASSERT_TRUE(progress.wait(kBoundMs));
    fetcher.reset();
    m_clock.advance(TFileFetcher::kInactivityTimeoutMs);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(continued);
    EXPECT_TRUE(folderEntries().isEmpty());
}

}  // namespace
}  // namespace trivanto
