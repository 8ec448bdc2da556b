// The update's fetch port on the real download component, against a loopback server.
#include "core/update/file_fetcher_port.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "core/net/http_transfer.h"
#include "net/qt_http_client.h"
#include "support/core_application.h"
#include "support/event_relay.h"
#include "support/loopback_http_server.h"
#include "support/manual_clock.h"

namespace trivanto {
namespace {

constexpr int kBoundMs = 10000;  // a real socket on loopback; generous, never reached

class FileFetcherPortTest : public ::testing::Test, private WithCoreApplication {
protected:
    QString target() const { return m_dir.filePath(QStringLiteral("update.ini.download")); }
    QUrl url() const { return QUrl(m_server.url(QStringLiteral("/Orvalquest/update.ini"))); }

    // Fetches and waits for `done`; returns its outcome.
    std::pair<bool, QString> fetchAndWait(qint64 maxSize = 1 << 20) {
        std::pair<bool, QString> outcome{false, QStringLiteral("<no answer>")};
        QSignalSpy ended(&m_relay, &EventRelay::fired);
        m_port.fetch(
            url(), target(), maxSize,
            [this](qint64 total, qint64 received) { m_progress << total << received; },
            [&](bool ok, const QString& error) {
                outcome = {ok, error};
                m_relay.fire();
            });
        EXPECT_EQ(ended.count(), 0) << "answered inside fetch()";
        EXPECT_TRUE(ended.wait(kBoundMs));
        return outcome;
    }

    QTemporaryDir m_dir;
    QtHttpClient m_network{QtHttpClient::Proxy::None};
    ManualClock m_clock;
    LoopbackHttpServer m_server;
    TFileFetcherPort m_port{m_network, m_clock};
    EventRelay m_relay;
    QList<qint64> m_progress;
};

TEST_F(FileFetcherPortTest, AWholeFileIsReportedWithItsProgress) {
    LoopbackReply reply;
    reply.body = "[Head]\r\nInfo=x\r\n";
    m_server.setReply(reply);
    const auto [ok, error] = fetchAndWait();
    EXPECT_TRUE(ok) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(m_progress, (QList<qint64>{reply.body.size(), reply.body.size()}));
    QFile file(target());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), reply.body);
    EXPECT_EQ(m_server.requests().last().headers.value("user-agent"), "Kestrune Fetch");
}

TEST_F(FileFetcherPortTest, FailuresCarryTheirReason) {
    LoopbackReply missing;
    missing.status = 404;
    missing.reason = "Not Found";
    m_server.setReply(missing);
    auto [ok, error] = fetchAndWait();
    EXPECT_FALSE(ok);
    EXPECT_TRUE(error.contains(QLatin1String("404"))) << error.toStdString();

    LoopbackReply large;
    large.body = QByteArray(2000, 'x');
    m_server.setReply(large);
    std::tie(ok, error) = fetchAndWait(1999);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(target()));
}

TEST_F(FileFetcherPortTest, TheNextFetchMayStartInsideDone) {
    LoopbackReply reply;
    reply.body = "first";
    m_server.setReply(reply);
    QSignalSpy ended(&m_relay, &EventRelay::fired);
    QStringList outcomes;
    m_port.fetch(url(), target(), 1 << 20, {}, [&](bool ok, const QString&) {
        outcomes << QStringLiteral("first %1").arg(ok);
        m_port.fetch(url(), target() + QStringLiteral("2"), 1 << 20, {},
                     [&](bool ok2, const QString&) {
                         outcomes << QStringLiteral("second %1").arg(ok2);
                         m_relay.fire();
                     });
    });
    ASSERT_TRUE(ended.wait(kBoundMs));
    EXPECT_EQ(outcomes, (QStringList{QStringLiteral("first 1"), QStringLiteral("second 1")}));
    EXPECT_TRUE(QFile::exists(target()));
    EXPECT_TRUE(QFile::exists(target() + QStringLiteral("2")));
}

TEST_F(FileFetcherPortTest, CancelledFetchNeverAnswersAndTheNextStartsAtOnce) {
    m_server.setReply(LoopbackReply::silence());
    QSignalSpy asked(&m_server, &LoopbackHttpServer::requestReceived);
    bool answered = false;
    m_port.fetch(url(), target(), 1 << 20, {}, [&](bool, const QString&) { answered = true; });
    ASSERT_TRUE(asked.wait(kBoundMs));
    m_port.cancel();
    m_clock.advance(60000);  // the retired fetcher's time-out, should it still run

    LoopbackReply reply;
    reply.body = "fresh";
    m_server.setReply(reply);
    const auto [ok, error] = fetchAndWait();
    EXPECT_TRUE(ok) << error.toStdString();
    EXPECT_FALSE(answered);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("update.ini.download")});
}

// A cancel from the progress callback (the run's owner may be going away) stops the transfer
// there: no further block is reported, the late error of the cancelled transfer reaches nobody,
// and its file never appears.
TEST_F(FileFetcherPortTest, NothingOfACancelledFetchArrivesAfterTheCancel) {
    LoopbackReply large;
    large.body = QByteArray(16 * HttpTransfer::kBlockSize, 'z');
    m_server.setReply(large);
    int progressAfterCancel = 0;
    bool cancelled = false;
    bool answered = false;
    EventRelay cancelledRelay;
    QSignalSpy cancelSpy(&cancelledRelay, &EventRelay::fired);
    m_port.fetch(
        url(), target(), 1 << 24,
        [&](qint64, qint64) {
            if (cancelled) {
                ++progressAfterCancel;
                return;
            }
            cancelled = true;
            m_port.cancel();
            cancelledRelay.fire();
        },
        [&](bool, const QString&) { answered = true; });
    ASSERT_TRUE(cancelSpy.wait(kBoundMs));

    LoopbackReply small;
    small.body = "next";
    m_server.setReply(small);
    const auto [ok, error] = fetchAndWait();  // runs the event loop past the cancelled one
    EXPECT_TRUE(ok) << error.toStdString();
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(progressAfterCancel, 0);
    EXPECT_FALSE(answered);
    QFile fetched(target());
    ASSERT_TRUE(fetched.open(QIODevice::ReadOnly));
    EXPECT_EQ(fetched.readAll(), "next");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("update.ini.download")});
}

}  // namespace
}  // namespace trivanto
