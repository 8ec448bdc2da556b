// The application's network and connection services: the start-up check, the poll and the
// banner's timer run from their places in the start-up and end with the main window.
#include <QAbstractButton>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>

#include "core/net/connection_manager.h"
#include "core/net/connection_watch.h"
#include "core/net/online_state.h"
#include "core/update/banner_update.h"
#include "support/app_fixture.h"
#include "support/loopback_http_server.h"
#include "ui/online/ras_form.h"
#include "ui/shell/main_form.h"

namespace trivanto {
namespace {

TEST_F(ShellAppTest, AConnectionAtStartSetsOnlineAndStartsTheBanner) {
    connections.connections = {QStringLiteral("eth0")};
    ASSERT_TRUE(startApp());
    EXPECT_EQ(connections.calls(), 1);  // the start-up check alone
    connections.settle();
    EXPECT_TRUE(app->onlineState()->IsOnline());
    EXPECT_TRUE(app->banner()->BannerBusy());
    // Both timers run from the start: the banner's 30 seconds and the 10-second poll.
    EXPECT_TRUE(app->banner()->timerRunning());
    EXPECT_TRUE(app->connectionWatch()->polling());
}

TEST_F(ShellAppTest, ThePollFindsAConnectionMadeAfterTheStart) {
    ASSERT_TRUE(startApp());
    connections.settle();
    EXPECT_FALSE(app->onlineState()->IsOnline());

    connections.connections = {QStringLiteral("wlan0")};  // the user connects
    clock.advance(ConnectionWatch::kPollIntervalMs);
    connections.settle();
    EXPECT_TRUE(app->onlineState()->IsOnline());
    EXPECT_TRUE(app->banner()->BannerBusy());
    EXPECT_TRUE(plain.texts().isEmpty());  // background listings never show a box
}

TEST_F(ShellAppTest, ClosingTheMainWindowEndsThePollAndTheBanner) {
    connections.connections = {QStringLiteral("eth0")};
    ASSERT_TRUE(startApp());
    connections.settle();
    ASSERT_TRUE(app->banner()->BannerBusy());

    control<QAbstractButton>(app->mainForm(), "BeendenButton")->click();
    ASSERT_TRUE(app->isFinished());
    EXPECT_FALSE(app->connectionWatch()->polling());
    EXPECT_FALSE(app->banner()->timerRunning());
    EXPECT_FALSE(app->banner()->BannerBusy());
    const int listings = connections.calls();
    clock.advance(5 * BannerUpdater::kTimerIntervalMs);
    EXPECT_EQ(connections.calls(), listings);
    EXPECT_FALSE(app->banner()->BannerUpdate());
}

// A connection found by the poll fetches the served banner, and the main window shows it at
// once; the next ticks ask the server no more.
TEST_F(ShellAppTest, ThePollFetchesTheBannerAndTheMainWindowShowsIt) {
    LoopbackHttpServer server;
    QImage picture(133, 90, QImage::Format_RGB32);
    picture.fill(Qt::red);
    LoopbackReply reply;
    QBuffer body(&reply.body);
    body.open(QIODevice::WriteOnly);
    picture.save(&body, "PNG");
    server.setReply(reply);
    AppEnvironment env = environment();
    env.servers.updateHost = QStringLiteral("127.0.0.1:%1").arg(server.port());
    ASSERT_TRUE(startApp(env));
    connections.settle();
    auto* banner = control<QLabel>(app->mainForm(), "Banner");
    EXPECT_TRUE(banner->pixmap().isNull());  // no "banner.dat" yet

    connections.connections = {QStringLiteral("eth0")};
    clock.advance(ConnectionWatch::kPollIntervalMs);
    connections.settle();
    ASSERT_TRUE(app->banner()->BannerBusy());
    clock.advance(BannerUpdater::kPauseMs);
    QSignalSpy phases(app->banner(), &BannerUpdater::phaseChanged);
    ASSERT_TRUE(phases.wait(10000));
    clock.advance(BannerUpdater::kPauseMs);
    ASSERT_TRUE(app->banner()->BannerDone()) << app->banner()->lastFailure().toStdString();
    EXPECT_EQ(server.requests().size(), 1);
    ASSERT_FALSE(banner->pixmap().isNull());
    EXPECT_EQ(banner->pixmap().toImage().pixelColor(60, 40), QColor(Qt::red));

    clock.advance(4 * BannerUpdater::kTimerIntervalMs);
    connections.settle();
    EXPECT_EQ(server.requests().size(), 1);
}

// What the windows that go on line are handed is the application's own: an EnsureOnline
// through it is the one whose dial-up window the application shows.
TEST_F(ShellAppTest, OnlineServicesCarryTheApplicationsConnection) {
    ASSERT_TRUE(startApp());
    connections.settle();
    connections.connections = {QStringLiteral("eth0")};
    std::optional<bool> outcome;
    app->onlineServices().connections.EnsureOnline([&](bool online) { outcome = online; });
    connections.settle();
    ASSERT_EQ(outcome, std::optional<bool>(true));
    EXPECT_TRUE(app->onlineState()->IsOnline());
}

// Without a connection the application's dial-up window comes up in front; Manually ... steps
// the program aside while the user is asked, and brings it back.
TEST_F(ShellAppTest, TheDialUpWindowOpensAndManuallyStepsTheProgramAside) {
    connections.entries = {{QStringLiteral("home-id"), QStringLiteral("Home"), {}, {}, false}};
    ASSERT_TRUE(startApp());
    connections.settle();
    std::optional<bool> outcome;
    app->onlineServices().connections.EnsureOnline([&](bool online) { outcome = online; });
    connections.settle();
    ASSERT_TRUE(app->rasForm()->isVisible());
    EXPECT_FALSE(outcome.has_value());

    bool minimisedWhileAsked = false;
    dialog.onShow = [&](const MessageRequest&) {
        minimisedWhileAsked = app->mainForm()->isMinimized();
    };
    dialog.pushAnswer(AnswerYes);
    control<QAbstractButton>(app->rasForm(), "FlatButton2")->click();
    connections.settle();
    EXPECT_TRUE(minimisedWhileAsked);
    EXPECT_FALSE(app->mainForm()->isMinimized());
    EXPECT_FALSE(app->rasForm()->isVisible());
    EXPECT_EQ(outcome, std::optional<bool>(true));
    EXPECT_TRUE(app->onlineState()->IsOnline());
}

}  // namespace
}  // namespace trivanto
