#include <gtest/gtest.h>

#include "core/net/connection_watch.h"
#include "support/connection_fixture.h"

namespace trivanto {
namespace {

// The start-up check and the 10-second poll, with a banner that a test can hold busy or done.
class Watch : public ConnectionFixture {
protected:
    ConnectionWatch::BannerHooks hooks() {
        return {[this] { return bannerSettled; }, [this] { ++bannerStarts; }};
    }

    bool bannerSettled = false;
    int bannerStarts = 0;
    ConnectionWatch watch{manager, online, clock, hooks()};
};

TEST_F(Watch, TheStartUpCheckFindsAConnectionAndStartsTheBanner) {
    backend.connections = {QStringLiteral("eth0")};
    watch.checkAtStart();
    EXPECT_FALSE(online.IsOnline());  // not before the system has answered
    backend.settle();
    EXPECT_TRUE(online.IsOnline());
    EXPECT_EQ(bannerStarts, 1);
    EXPECT_TRUE(manager.view().hangUpEnabled);
}

TEST_F(Watch, TheStartUpCheckWithoutConnectionChangesNothing) {
    backend.listingFails = true;  // and says nothing about a failure
    watch.checkAtStart();
    backend.settle();
    EXPECT_FALSE(online.IsOnline());
    EXPECT_EQ(bannerStarts, 0);
    EXPECT_TRUE(plain.texts().isEmpty());
    EXPECT_TRUE(dialog.empty());
}

TEST_F(Watch, ABannerThatStartedMeanwhileIsNotStartedTwice) {
    backend.connections = {QStringLiteral("eth0")};
    watch.checkAtStart();
    bannerSettled = true;  // the 30-second timer started one while the system was asked
    backend.settle();
    EXPECT_TRUE(online.IsOnline());
    EXPECT_EQ(bannerStarts, 0);
}

TEST_F(Watch, OffLineAtStartOnLineLaterIsFoundWithinTenSeconds) {
    watch.start();
    EXPECT_TRUE(watch.polling());
    clock.advance(ConnectionWatch::kPollIntervalMs);
    backend.settle();
    EXPECT_FALSE(online.IsOnline());
    const int listings = backend.calls();

    clock.advance(2500);
    backend.connections = {QStringLiteral("wlan0")};  // the user connects
    clock.advance(ConnectionWatch::kPollIntervalMs - 2500);
    EXPECT_EQ(backend.calls(), listings + 1);
    backend.settle();
    EXPECT_TRUE(online.IsOnline());
    EXPECT_EQ(bannerStarts, 1);

    // The banner is fetched: later ticks ask nothing.
    bannerSettled = true;
    const int after = backend.calls();
    clock.advance(5 * ConnectionWatch::kPollIntervalMs);
    EXPECT_EQ(backend.calls(), after);
}

TEST_F(Watch, ATickWhileTheLastIsStillListingAsksNothingMore) {
    watch.start();
    clock.advance(ConnectionWatch::kPollIntervalMs);
    clock.advance(ConnectionWatch::kPollIntervalMs);
    EXPECT_EQ(backend.calls(), 1);
    backend.settle();
    clock.advance(ConnectionWatch::kPollIntervalMs);
    EXPECT_EQ(backend.calls(), 2);
    watch.stop();
    clock.advance(3 * ConnectionWatch::kPollIntervalMs);
    EXPECT_EQ(backend.calls(), 2);
}

TEST_F(Watch, ThePollNeverClearsTheFlag) {
    // A confirmed connection that the system does not list stays confirmed.
    online.setOnline(true);
    watch.start();
    clock.advance(ConnectionWatch::kPollIntervalMs);
    backend.settle();
    EXPECT_TRUE(online.IsOnline());
    EXPECT_EQ(bannerStarts, 0);
}

TEST(OnlineStateTest, SignalsOnlyRealChanges) {
    OnlineState online;
    QList<bool> seen;
    QObject::connect(&online, &OnlineState::changed, [&](bool on) { seen << on; });
    online.setOnline(false);
    online.setOnline(true);
    online.setOnline(true);
    online.setOnline(false);
    EXPECT_EQ(seen, (QList<bool>{true, false}));
}

}  // namespace
}  // namespace trivanto
