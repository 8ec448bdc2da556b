// The banner update against a server the test starts on 127.0.0.1: the pauses are phases a
// manual clock ends, the transfer is real.
#include "core/update/banner_update.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "core/common/file_path.h"
#include "core/lang/message_catalogue.h"
#include "core/net/online_state.h"
#include "core/update/banner_picture.h"
#include "net/qt_http_client.h"
#include "support/core_application.h"
#include "support/loopback_http_server.h"
#include "support/manual_clock.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

constexpr int kBoundMs = 10000;  // a real socket on loopback; generous, never reached

QByteArray png(int width, int height, Qt::GlobalColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class BannerUpdateTest : public ::testing::Test, private WithCoreApplication {
protected:
    explicit BannerUpdateTest(Language language = Language::Englisch)
        : m_texts(QStringLiteral("127.0.0.1:%1").arg(m_server.port())) {
        m_texts.apply(language);
        QFile old(bannerPath(prog()));
        old.open(QIODevice::WriteOnly);
        old.write(m_oldBanner);
        QObject::connect(&m_banner, &BannerUpdater::bannerReplaced, [this] { ++m_replaced; });
    }

    QString prog() const { return m_dir.path(); }
    void serve(const QByteArray& body) {
        LoopbackReply reply;
        reply.body = body;
        m_server.setReply(reply);
    }

    // Runs one attempt to its end: the pause, the real transfer, the pause, the check.
    void runAttempt() {
        ASSERT_TRUE(m_banner.BannerUpdate());
        ASSERT_EQ(m_banner.phase(), BannerUpdater::Phase::PauseBefore);
        m_clock.advance(BannerUpdater::kPauseMs);
        ASSERT_EQ(m_banner.phase(), BannerUpdater::Phase::Fetching);
        QSignalSpy phases(&m_banner, &BannerUpdater::phaseChanged);
        ASSERT_TRUE(phases.wait(kBoundMs));
        ASSERT_EQ(m_banner.phase(), BannerUpdater::Phase::PauseAfter);
        m_clock.advance(BannerUpdater::kPauseMs);
        EXPECT_FALSE(m_banner.BannerBusy());
    }

    QTemporaryDir m_dir;
    LoopbackHttpServer m_server;
    MessageCatalogue m_texts;
    QtHttpClient m_network{QtHttpClient::Proxy::None};
    ManualClock m_clock;
    OnlineState m_online;
    BannerUpdater m_banner{m_network, m_clock, m_online, m_texts, m_dir.path()};
    const QByteArray m_oldBanner = png(133, 90, Qt::darkBlue);
    int m_replaced = 0;
};

TEST_F(BannerUpdateTest, OffLineNothingIsFetchedAndTheTimersTryAgain) {
    EXPECT_TRUE(m_banner.BannerUpdate());
    EXPECT_FALSE(m_banner.BannerBusy());
    m_banner.startTimer();
    m_clock.advance(3 * BannerUpdater::kTimerIntervalMs);
    EXPECT_TRUE(m_server.requests().isEmpty());
    EXPECT_TRUE(m_banner.timerRunning());
    EXPECT_EQ(contents(bannerPath(prog())), m_oldBanner);
}

// The served picture replaces "banner.dat", once per run: the timer stops and every later
// call is refused without asking the server again.
TEST_F(BannerUpdateTest, ASuccessReplacesTheBannerOnceAndForTheRun) {
    const QByteArray fresh = png(200, 120, Qt::yellow);
    serve(fresh);
    m_online.setOnline(true);
    m_banner.startTimer();
    runAttempt();
    ASSERT_EQ(m_server.requests().size(), 1);
    EXPECT_EQ(m_server.requests().first().target, "/Orvalquest/banner.ar2");
    EXPECT_EQ(contents(bannerPath(prog())), fresh);
    EXPECT_FALSE(QFile::exists(m_banner.downloadPath()));
    EXPECT_EQ(m_replaced, 1);
    EXPECT_TRUE(m_banner.BannerDone());
    EXPECT_TRUE(m_online.IsOnline());

    EXPECT_FALSE(m_banner.timerRunning());
    EXPECT_FALSE(m_banner.BannerUpdate());
    EXPECT_TRUE(m_banner.settled());
    m_clock.advance(5 * BannerUpdater::kTimerIntervalMs);
    EXPECT_EQ(m_server.requests().size(), 1);
    EXPECT_EQ(m_replaced, 1);
}

class GermanBanner : public BannerUpdateTest {
protected:
    GermanBanner() : BannerUpdateTest(Language::Deutsch) {}
};

TEST_F(GermanBanner, IsFetchedUnderItsGermanName) {
    serve(png(10, 10, Qt::red));
    m_online.setOnline(true);
    runAttempt();
    ASSERT_EQ(m_server.requests().size(), 1);
    EXPECT_EQ(m_server.requests().first().target, "/orvalquest/banner.ar1");
    EXPECT_TRUE(m_banner.BannerDone());
}

// Whatever goes wrong, "banner.dat" keeps the old picture, nothing is left of the download,
// nothing is shown, and the timers wait before they try again.
struct Failure {
    const char* name;
    LoopbackReply reply;
    bool connectionLost;  // a failed transfer takes the connection as lost
};

Failure errorStatus() {
    LoopbackReply reply;
    reply.status = 404;
    reply.reason = "Not Found";
    reply.body = "<html>no banner here</html>";
    return {"error status", reply, true};
}
Failure errorPage() {
    LoopbackReply reply;
    reply.body = "<html><body>Welcome to our provider!</body></html>";
    return {"an error page with status 200", reply, false};
}
Failure brokenOff() {
    LoopbackReply reply;
    reply.body = png(133, 90, Qt::green);
    reply.length = LoopbackReply::Length::Declared;
    reply.declaredLength = reply.body.size();
    reply.bodyBytesSent = reply.body.size() / 2;
    reply.ending = LoopbackReply::Ending::Reset;
    return {"broken off after half the picture", reply, true};
}
Failure truncatedPicture() {
    LoopbackReply reply;
    reply.body = png(133, 90, Qt::green).left(60);
    return {"a picture cut short", reply, false};
}
Failure tooLarge() {
    LoopbackReply reply;
    reply.body = QByteArray(kBannerMaxBytes + 1, 'x');
    return {"larger than a banner may be", reply, true};
}

class BannerFailure : public BannerUpdateTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(BannerFailure, LeavesTheOldBannerAndWaitsBeforeTheNextTry) {
    m_server.setReply(GetParam().reply);
    m_online.setOnline(true);
    runAttempt();
    ASSERT_EQ(m_server.requests().size(), 1);
    EXPECT_EQ(contents(bannerPath(prog())), m_oldBanner);
    EXPECT_FALSE(QFile::exists(m_banner.downloadPath()));
    EXPECT_EQ(m_replaced, 0);
    EXPECT_FALSE(m_banner.BannerDone());
    EXPECT_FALSE(m_banner.lastFailure().isEmpty());
    EXPECT_EQ(m_online.IsOnline(), !GetParam().connectionLost);

    // The timers leave the server alone for a while, then try again.
    m_online.setOnline(true);
    EXPECT_TRUE(m_banner.settled());
    m_clock.advance(BannerUpdater::kFirstRetryMs - 1);
    m_banner.tick();
    EXPECT_FALSE(m_banner.BannerBusy());
    m_clock.advance(1);
    EXPECT_FALSE(m_banner.settled());
    m_banner.tick();
    EXPECT_TRUE(m_banner.BannerBusy());
}

INSTANTIATE_TEST_SUITE_P(Replies, BannerFailure,
                         ::testing::Values(errorStatus(), errorPage(), brokenOff(),
                                           truncatedPicture(), tooLarge()),
                         [](const auto& info) { return testName(info.param.name); });

// An unreachable server is asked less and less often: the wait doubles after each failure up
// to its longest.
TEST_F(BannerUpdateTest, RepeatedFailuresWaitLongerAndLonger) {
    serve("not a picture");
    m_online.setOnline(true);
    qint64 wait = BannerUpdater::kFirstRetryMs;
    for (int attempt = 0; attempt < 7; ++attempt) {
        SCOPED_TRACE(attempt);
        runAttempt();
        ASSERT_TRUE(m_banner.settled());
        m_clock.advance(wait - 1);
        EXPECT_TRUE(m_banner.settled());
        m_clock.advance(1);
        EXPECT_FALSE(m_banner.settled());
        wait = std::min<qint64>(2 * wait, BannerUpdater::kLongestRetryMs);
    }
    EXPECT_EQ(m_server.requests().size(), 7);
}

// The program ends while the transfer runs: it stops without touching the banner or the flag.
TEST_F(BannerUpdateTest, ShutdownDuringTheTransferEndsItQuietly) {
    m_server.setReply(LoopbackReply::silence());
    m_online.setOnline(true);
    ASSERT_TRUE(m_banner.BannerUpdate());
    m_clock.advance(BannerUpdater::kPauseMs);
    QSignalSpy asked(&m_server, &LoopbackHttpServer::requestReceived);
    ASSERT_TRUE(asked.wait(kBoundMs));
    m_banner.shutdown();
    EXPECT_FALSE(m_banner.BannerBusy());
    EXPECT_FALSE(m_banner.BannerUpdate());
    m_clock.advance(BannerUpdater::kTimerIntervalMs);
    EXPECT_TRUE(m_online.IsOnline());
    EXPECT_EQ(contents(bannerPath(prog())), m_oldBanner);
    EXPECT_EQ(m_replaced, 0);
}

}  // namespace
}  // namespace trivanto
