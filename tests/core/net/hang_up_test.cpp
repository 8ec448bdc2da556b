#include <gtest/gtest.h>

#include "core/net/connection_manager.h"
#include "support/connection_fixture.h"

namespace trivanto {
namespace {

class HangUp : public ConnectionFixture {
protected:
    // Lists these connections into the manager, as the last EnsureOnline left them.
    void listed(QStringList names) {
        backend.connections = std::move(names);
        manager.listConnections(ConnectionManager::Report::Box);
        backend.settle();
    }
};

TEST_F(HangUp, EndsTheFirstConnectionThenPausesASecondBeforeListingAgain) {
    listed({"ppp0", "eth0"});
    std::optional<bool> result;
    manager.hangUp([&](bool ok) { result = ok; });
    EXPECT_TRUE(manager.view().hangingUp);
    backend.settle();
    EXPECT_EQ(backend.hangUps(), QStringList{"ppp0"});
    // The pause is a timer, not a wait: nothing is listed before it ends.
    const int listings = backend.calls();
    clock.advance(ConnectionManager::kHangUpPauseMs - 1);
    EXPECT_EQ(backend.calls(), listings);
    EXPECT_TRUE(manager.view().hangingUp);
    clock.advance(1);
    EXPECT_EQ(backend.calls(), listings + 1);
    EXPECT_FALSE(result.has_value());
    backend.settle();
    EXPECT_EQ(result, true);
    EXPECT_FALSE(manager.view().hangingUp);
    ASSERT_EQ(manager.view().connections.size(), 1);
    EXPECT_EQ(manager.view().connections[0].name, "eth0");
    EXPECT_TRUE(plain.texts().isEmpty());
}

TEST_F(HangUp, ARefusalIsReportedWithoutPause) {
    listed({"ppp0"});
    backend.hangUpError = QStringLiteral("Not authorized");
    std::optional<bool> result;
    manager.hangUp([&](bool ok) { result = ok; });
    backend.settle();
    EXPECT_EQ(result, false);
    EXPECT_EQ(plain.texts(), QStringList{"RasHangUp failed."});
    EXPECT_EQ(clock.activeTimers(), 0);
    EXPECT_FALSE(manager.view().hangingUp);
}

TEST_F(HangUp, NothingListedMeansNothingToEnd) {
    std::optional<bool> result;
    manager.hangUp([&](bool ok) { result = ok; });
    EXPECT_EQ(result, false);
    EXPECT_TRUE(backend.hangUps().isEmpty());
}

// What the update and the upload do after "disconnect now?" was answered Yes.
TEST_F(HangUp, AfterATransferTheCallerIsToldWhenAConnectionRemains) {
    struct Case {
        const char* name;
        QStringList active;
        QString refusal;
        bool disconnectFailed;
    };
    const Case cases[] = {
        {"one connection ends", {"ppp0"}, {}, false},
        {"of two only the first ends", {"ppp0", "eth0"}, {}, true},
        {"the system refuses", {"ppp0"}, QStringLiteral("busy"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.clear();
        listed(c.active);
        backend.hangUpError = c.refusal;
        bool done = false;
        manager.hangUpAndCheck([&] { done = true; });
        backend.settle();
        clock.advance(ConnectionManager::kHangUpPauseMs);
        backend.settle();
        ASSERT_TRUE(done);
        EXPECT_EQ(dialog.empty(), !c.disconnectFailed);
        if (c.disconnectFailed) {
            EXPECT_EQ(dialog.last().text, text(Msg::MsgDisconnectFailed));
            EXPECT_EQ(dialog.last().mode, DialogMode::Notice);
            EXPECT_EQ(dialog.last().width, 320);
            EXPECT_FALSE(dialog.last().wordWrap);
        }
    }
}

TEST_F(HangUp, AfterATransferWithoutListedConnectionNothingIsClosed) {
    // For example after the user confirmed a connection the system does not list.
    listed({});
    bool done = false;
    manager.hangUpAndCheck([&] { done = true; });
    EXPECT_TRUE(done);
    EXPECT_TRUE(backend.hangUps().isEmpty());
    EXPECT_TRUE(dialog.empty());
}

using Listing = HangUp;

TEST_F(Listing, RowsAreCutToTheirFieldsAndCarryTheirStatusText) {
    backend.errorTexts[5] = QStringLiteral("The cable is unplugged.");
    backend.rows = {
        {QStringLiteral("h1"), QString(300, QLatin1Char('n')), QStringLiteral("802-11-wireless-x"),
         QString(200, QLatin1Char('d')), RasConnected, 0},
        {QStringLiteral("h2"), QStringLiteral("Office"), QStringLiteral("ethernet"),
         QStringLiteral("eth1"), RasConnected, 5},
    };
    manager.listConnections(ConnectionManager::Report::Box);
    backend.settle();
    const DialUpView& view = manager.view();
    ASSERT_EQ(view.connections.size(), 2);
    EXPECT_EQ(view.connections[0].name.size(), kConnectionNameCapacity);
    EXPECT_EQ(view.connections[0].deviceType, "802-11-wireless-");
    EXPECT_EQ(view.connections[0].deviceName.size(), kDeviceNameCapacity);
    EXPECT_EQ(view.connections[0].status, "Connected");
    EXPECT_EQ(view.connections[1].status, "The cable is unplugged.");
    EXPECT_EQ(view.selectedConnection, 0);
    EXPECT_TRUE(view.hangUpEnabled);
}

TEST_F(Listing, AnOlderListingThatAnswersLastIsNotShown) {
    backend.connections = {QStringLiteral("eth0")};
    manager.listConnections(ConnectionManager::Report::Box);
    backend.connections.clear();
    manager.listConnections(ConnectionManager::Report::Box);
    backend.deliverNewestFirst();
    EXPECT_TRUE(manager.view().connections.isEmpty());
    EXPECT_FALSE(manager.view().hangUpEnabled);
}

TEST_F(Listing, BackgroundListingsFailQuietly) {
    backend.listingFails = true;
    manager.listConnections(ConnectionManager::Report::Silent);
    backend.settle();
    EXPECT_TRUE(plain.texts().isEmpty());
    EXPECT_FALSE(manager.view().hangUpEnabled);
}

}  // namespace
}  // namespace trivanto
