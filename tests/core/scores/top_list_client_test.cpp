// The top-list client against a loopback server: what goes on the wire and how every kind of
// reply ends.
#include "core/scores/top_list.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "core/common/file_path.h"
#include "net/qt_http_client.h"
#include "support/core_application.h"
#include "support/event_relay.h"
#include "support/loopback_http_server.h"
#include "support/manual_clock.h"
#include "support/top_list_waits.h"

namespace trivanto {
namespace {

constexpr int kBoundMs = 10000;  // a real socket on loopback; generous, never reached

LoopbackReply replyWith(QByteArray body, int status = 200) {
    LoopbackReply reply;
    reply.status = status;
    reply.reason = status == 200 ? "OK" : "Error";
    reply.body = std::move(body);
    return reply;
}

class TopListClientTest : public ::testing::Test, private WithCoreApplication {
protected:
    TopListClientTest() {
        m_list.setAgent(QStringLiteral("TopListConnector"));
        m_list.setURL(m_server.url(QStringLiteral("/orvalquest/top50")));
    }

    TopListSendReply addUser(const QString& name, qint32 score) {
        return addUserAndWait(m_list, name, QStringLiteral("anna@lee.test"), score,
                              QStringLiteral("english"));
    }
    TTopListResult download() { return downloadAndWait(m_list); }

    QTemporaryDir m_dir;
    QtHttpClient m_network{QtHttpClient::Proxy::None};
    ManualClock m_clock;
    LoopbackHttpServer m_server;
    TTopList m_list{m_network, m_clock, filePath(m_dir.path(), TTopListFile::defaultName())};
    EventRelay m_relay;
};

TEST_F(TopListClientTest, AddUserSendsOneGetWithTheEncodedCommand) {
    m_server.setReply(replyWith("1\nWell done\n7"));
    const TopListSendReply reply = addUser(QStringLiteral("Anna Lee"), 12345);
    EXPECT_EQ(reply.result, tlrOk);
    EXPECT_EQ(reply.Rank, 7);
    EXPECT_EQ(reply.Message, QStringLiteral("Well done"));
    ASSERT_EQ(m_server.requests().size(), 1);
    const LoopbackRequest& request = m_server.requests().at(0);
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.target,
              "/orvalquest/top50/toplist.pl?TLADDUSER&Anna%B0Lee&anna@lee.test&12,345&english");
    EXPECT_EQ(request.headers.value("user-agent"), "TopListConnector");

    // Forging attempts arrive sealed inside their field.
    m_server.setReply(replyWith("1\nok\n1"));
    ASSERT_EQ(addUser(QStringLiteral("Eve&x@y.z&99#9+1=2%41"), 1).result, tlrOk);
    EXPECT_EQ(m_server.requests().last().target,
              "/orvalquest/top50/toplist.pl?TLADDUSER&Eve%26x@y.z%2699%239%2B1%3D2%2541&"
              "anna@lee.test&1&english");
}

TEST_F(TopListClientTest, RepliesToASendEndAsTheProtocolSays) {
    struct Case {
        const char* name;
        LoopbackReply reply;
        TTopListResult result;
        qint32 rank;
    };
    LoopbackReply cut = replyWith("1\nok\n7\n");
    cut.bodyBytesSent = 3;
    const Case cases[] = {
        {"rank", replyWith("1\nWell done\n7\n"), tlrOk, 7},
        {"rank unreadable", replyWith("1\nok\nabc"), tlrOk, 0},
        {"rank 51", replyWith("1\nok\n51"), tlrOk, 51},
        {"two lines", replyWith("1\nx"), tlrBadReply, -99},
        {"empty", replyWith(""), tlrBadReply, -99},
        {"status 5", replyWith("5"), tlrBadReply, -99},
        {"status 2", replyWith("2\n"), tlrStatus2, -99},
        {"status 3", replyWith("3"), tlrStatus3, -99},
        {"status 4", replyWith("4\nslow down\n"), tlrStatus4, -99},
        {"error page", replyWith("1\nok\n7", 500), tlrNoConnection, -99},
        {"not found", replyWith("<html>404</html>", 404), tlrNoConnection, -99},
        {"body cut short", cut, tlrNoConnection, -99},
        {"body over the limit", replyWith(QByteArray(TTopListConnector::kMaxReplyBytes + 1, '1')),
         tlrNoConnection, -99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_server.setReply(c.reply);
        const TopListSendReply reply = addUser(QStringLiteral("Anna"), 100);
        EXPECT_EQ(reply.result, c.result);
        if (c.result == tlrOk) {
            EXPECT_EQ(reply.Rank, c.rank);
        }
    }
}

TEST_F(TopListClientTest, DownloadFillsTheListAndAFailureLeavesItEmpty) {
    m_server.setReply(replyWith("Anna~a@b.c~12,345~english~x\nMax~\n\nBo~b@c.d~1,000~deutsch\n"));
    QSignalSpy changed(&m_list, &TTopList::listChanged);
    ASSERT_EQ(download(), tlrOk);
    EXPECT_EQ(m_server.requests().last().target, "/orvalquest/top50/toplist.dat");
    ASSERT_EQ(m_list.Count(), 4);
    TTopListEntry entry;
    ASSERT_TRUE(m_list.GetEntry(3, entry));
    EXPECT_EQ(entry, (TTopListEntry{4,
                                    1000,
                                    QStringLiteral("Bo"),
                                    QStringLiteral("b@c.d"),
                                    QStringLiteral("deutsch"),
                                    {}}));
    ASSERT_TRUE(m_list.GetEntry(1, entry));
    EXPECT_EQ(entry.Name, QStringLiteral("Max"));
    EXPECT_EQ(entry.Rank, 2);
    EXPECT_FALSE(m_list.GetEntry(4, entry));
    EXPECT_EQ(entry.Name, QStringLiteral("Max"));  // untouched
    EXPECT_FALSE(m_list.GetEntry(-1, entry));
    EXPECT_EQ(changed.count(), 2);  // emptied, then filled

    // The saved copy loads back as it was fetched.
    ASSERT_TRUE(m_list.SaveToFile().ok());
    const TTopListEntryList fetched = m_list.Entries();

    for (const LoopbackReply& broken :
         {replyWith("Anna~a@b.c~1~english", 404),
          replyWith(QByteArray(TTopListConnector::kMaxListBytes + 1, 'x'))}) {
        ASSERT_TRUE(m_list.LoadFromFile().ok());
        ASSERT_EQ(m_list.Count(), 4);
        m_server.setReply(broken);
        EXPECT_EQ(download(), tlrNoConnection);
        EXPECT_EQ(m_list.Count(), 0);
    }
    ASSERT_TRUE(m_list.LoadFromFile().ok());
    EXPECT_EQ(m_list.Entries(), fetched);

    m_server.setReply(replyWith(""));
    EXPECT_EQ(download(), tlrOk);
    EXPECT_EQ(m_list.Count(), 0);
}

TEST_F(TopListClientTest, NoAddressOrAgentFailsWithoutTouchingTheNetwork) {
    m_server.setReply(replyWith("1\nok\n1"));
    m_list.setURL(QString());
    EXPECT_EQ(addUser(QStringLiteral("Anna"), 1).result, tlrNoConnection);
    EXPECT_EQ(download(), tlrNoConnection);
    m_list.setURL(m_server.url(QStringLiteral("/orvalquest/top50/")));
    m_list.setAgent(QString());
    EXPECT_EQ(addUser(QStringLiteral("Anna"), 1).result, tlrNoConnection);
    EXPECT_EQ(download(), tlrNoConnection);
    EXPECT_TRUE(m_server.requests().isEmpty());

    // A trailing "/" on the address does not double.
    m_list.setAgent(QStringLiteral("TopListConnector"));
    EXPECT_EQ(download(), tlrOk);
    EXPECT_EQ(m_server.requests().last().target, "/orvalquest/top50/toplist.dat");
}

TEST_F(TopListClientTest, SilentServerTimesOutAfterThirtySeconds) {
    m_server.setReply(LoopbackReply::silence());
    QSignalSpy asked(&m_server, &LoopbackHttpServer::requestReceived);
    QSignalSpy ended(&m_relay, &EventRelay::fired);
    TopListSendReply answer;
    answer.result = tlrOk;
    m_list.AddUser(QStringLiteral("Anna"), QStringLiteral("a@b.c"), 1, QStringLiteral("english"),
                   [&](const TopListSendReply& reply) {
                       answer = reply;
                       m_relay.fire();
                   });
    ASSERT_TRUE(asked.wait(kBoundMs));
    EXPECT_TRUE(m_list.isBusy());
    m_clock.advance(TTopListConnector::kInactivityTimeoutMs - 1);
    EXPECT_EQ(ended.count(), 0);
    m_clock.advance(1);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(answer.result, tlrNoConnection);
    EXPECT_FALSE(m_list.isBusy());
}

TEST_F(TopListClientTest, CancelledExchangesNeverAnswer) {
    m_server.setReply(LoopbackReply::silence());
    QSignalSpy asked(&m_server, &LoopbackHttpServer::requestReceived);
    bool answered = false;
    m_list.Download([&](TTopListResult) { answered = true; });
    ASSERT_TRUE(asked.wait(kBoundMs));
    m_list.Cancel();
    EXPECT_FALSE(m_list.isBusy());
    m_clock.advance(TTopListConnector::kInactivityTimeoutMs);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(answered);

    // The next exchange works as usual.
    m_server.setReply(replyWith("A~a@b.c~1~english\n"));
    EXPECT_EQ(download(), tlrOk);
    EXPECT_EQ(m_list.Count(), 1);
}

}  // namespace
}  // namespace trivanto
