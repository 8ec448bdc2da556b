// The application's network and connection services: the start-up check, the poll and the
// banner's timer run from their places in the start-up and end with the main window.
#include <QAbstractButton>

#include "core/net/connection_manager.h"
#include "core/net/connection_watch.h"
#include "core/net/online_state.h"
#include "core/update/banner_update.h"
#include "support/app_fixture.h"
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

}  // namespace
}  // namespace trivanto
