#include <gtest/gtest.h>

#include "core/net/connection_manager.h"
#include "support/connection_fixture.h"

namespace trivanto {
namespace {

using EnsureOnline = ConnectionFixture;

// The answers to a confirmation: only Yes means on line, Cancel counts as No.
struct AnswerCase {
    int answer;
    bool online;
};
const AnswerCase kAnswers[] = {{AnswerYes, true}, {AnswerNo, false}, {AnswerCancel, false}};

TEST_F(EnsureOnline, AnActiveConnectionSucceedsWithoutAnyWindowOrQuestion) {
    online.setOnline(true);
    events.clear();
    backend.connections = {QStringLiteral("eth0")};
    ensure();
    // The flag drops at once; the answer comes later, never inside the call.
    EXPECT_FALSE(online.IsOnline());
    EXPECT_FALSE(outcome.has_value());
    backend.settle();
    ASSERT_EQ(outcome, true);
    EXPECT_TRUE(online.IsOnline());
    EXPECT_EQ(events, (QStringList{"offline", "online"}));
    EXPECT_EQ(backend.entryListings(), 0);
    EXPECT_TRUE(dialog.empty());
    EXPECT_TRUE(manager.view().hangUpEnabled);
    EXPECT_FALSE(manager.ensureRunning());
}

TEST_F(EnsureOnline, WithoutAnyEntryTheUserIsToldAndAskedWhileTheProgramIsMinimised) {
    for (const AnswerCase& c : kAnswers) {
        SCOPED_TRACE(c.answer);
        outcome.reset();
        events.clear();
        dialog.clear();
        dialog.pushAnswer(c.answer);
        ensure();
        backend.settle();
        ASSERT_EQ(outcome, c.online);
        EXPECT_EQ(online.IsOnline(), c.online);
        ASSERT_EQ(dialog.requests().size(), 2u);
        const MessageRequest& notice = dialog.requests()[0];
        EXPECT_EQ(notice.mode, DialogMode::Notice);
        EXPECT_EQ(notice.text, text(Msg::MsgNoDialUpEntry));
        EXPECT_EQ(notice.width, 371);
        EXPECT_TRUE(notice.wordWrap);
        const MessageRequest& question = dialog.requests()[1];
        EXPECT_EQ(question.mode, DialogMode::Question);
        EXPECT_EQ(question.text, text(Msg::MsgAskOnline));
        EXPECT_EQ(question.width, 271);
        EXPECT_TRUE(question.wordWrap);
        QStringList expected{text(Msg::MsgNoDialUpEntry), "minimise", text(Msg::MsgAskOnline),
                             "restore"};
        if (c.online) {
            expected.insert(3, "online");
        }
        EXPECT_EQ(events.mid(events.indexOf(text(Msg::MsgNoDialUpEntry))), expected);
    }
}

TEST_F(EnsureOnline, ListingFailuresAreReportedAndTheRunGoesOnToTheEntries) {
    backend.listingFails = true;
    backend.entriesFail = true;  // no entries either: the user is asked
    dialog.pushAnswer(AnswerYes);
    ensure();
    backend.settle();
    EXPECT_EQ(plain.texts(), QStringList{"RasEnumConnections failed."});
    EXPECT_EQ(plain.titles(), QStringList{"Trivanto 1.04"});
    ASSERT_EQ(dialog.requests().size(), 2u);
    EXPECT_EQ(dialog.requests()[0].text, text(Msg::MsgNoDialUpEntry));
    EXPECT_EQ(outcome, true);
}

TEST_F(EnsureOnline, EntriesOpenTheWindowWithTheFirstEntryAndItsStoredCredentials) {
    openWindowWith({entry("Provider", "anna", "secret", true), entry("Backup", "bob", "hidden")});
    const DialUpView& view = manager.view();
    EXPECT_EQ(events, (QStringList{"window opened"}));
    EXPECT_FALSE(outcome.has_value());  // the run waits for the window
    EXPECT_EQ(view.entries, (QStringList{"Provider", "Backup"}));
    EXPECT_EQ(view.selectedEntry, 0);
    EXPECT_EQ(view.userName, "anna");
    EXPECT_EQ(view.password, "secret");
    EXPECT_TRUE(view.connectEnabled);
    EXPECT_TRUE(view.cancelEnabled);
    EXPECT_TRUE(view.statusLines.isEmpty());
    // A password the system does not say is stored is never shown.
    manager.selectEntry(1);
    EXPECT_EQ(view.userName, "bob");
    EXPECT_EQ(view.password, "");
    manager.selectEntry(5);  // no such entry: nothing changes
    EXPECT_EQ(view.selectedEntry, 1);
}

TEST_F(EnsureOnline, ADialShowsEveryStateAndConnectedClosesTheWindowOnLine) {
    openWindowWith({entry("Provider", "anna")});
    manager.setPassword(QStringLiteral("typed"));
    manager.dialSelectedEntry();
    EXPECT_TRUE(manager.view().busy);
    EXPECT_FALSE(manager.view().cancelEnabled);
    ASSERT_EQ(backend.dials().size(), 1);
    EXPECT_EQ(backend.dials()[0].entryHandle, "Provider-id");
    EXPECT_EQ(backend.dials()[0].userName, "anna");
    EXPECT_EQ(backend.dials()[0].password, "typed");
    backend.settle();  // the dial has started
    EXPECT_FALSE(manager.view().busy);
    EXPECT_FALSE(manager.view().cancelEnabled);

    backend.notify(RasOpenPort);
    backend.notify(RasPortOpened);
    EXPECT_EQ(manager.view().statusLines, (QStringList{"Opening port", "Port opened"}));
    EXPECT_FALSE(manager.view().statusIsError);
    EXPECT_TRUE(manager.view().windowVisible);

    backend.connections = {QStringLiteral("Provider")};
    const int listingsBefore = backend.calls();
    backend.notify(RasConnected);
    EXPECT_EQ(backend.calls(), listingsBefore + 1);  // every event lists the connections again
    EXPECT_TRUE(online.IsOnline());
    EXPECT_FALSE(manager.view().windowVisible);
    EXPECT_EQ(manager.view().statusLines.last(), "Connected");
    // The run ends once the listing after the last event is back.
    EXPECT_FALSE(outcome.has_value());
    backend.settle();
    EXPECT_EQ(outcome, true);
    EXPECT_TRUE(manager.view().hangUpEnabled);
    EXPECT_EQ(events, (QStringList{"window opened", "online", "window closed"}));
}

TEST_F(EnsureOnline, AFailedDialIsShownInRedAndTheUserMayTryAgainOrCancel) {
    backend.errorTexts[691] = QStringLiteral(
        "Access was denied because the user name and/or "
        "password was invalid on the domain. And more text "
        "beyond a hundred characters.");
    openWindowWith({entry("Provider")});
    manager.dialSelectedEntry();
    backend.settle();
    backend.notify(RasAuthenticate);
    backend.notify(RasAuthenticate, 691);
    backend.settle();
    const DialUpView& view = manager.view();
    ASSERT_EQ(view.statusLines.size(), 2);
    EXPECT_EQ(view.statusLines[1], backend.errorTexts[691].left(100));
    EXPECT_TRUE(view.statusIsError);
    EXPECT_FALSE(online.IsOnline());
    EXPECT_TRUE(view.windowVisible);
    EXPECT_TRUE(view.cancelEnabled);  // the dial is over
    EXPECT_FALSE(outcome.has_value());

    manager.dialSelectedEntry();
    backend.settle();
    backend.notify(RasOpenPort);
    EXPECT_FALSE(manager.view().statusIsError);  // black again
    manager.closeWindow();
    backend.settle();  // the listing after the last event
    EXPECT_EQ(outcome, false);
}

TEST_F(EnsureOnline, ADialThatDoesNotStartIsReportedInThePlainBox) {
    openWindowWith({entry("Provider")});
    backend.dialStartError = QStringLiteral("Not authorized to control networking.");
    manager.dialSelectedEntry();
    backend.settle();
    EXPECT_EQ(plain.texts(),
              QStringList{"Connection failed: Not authorized to control networking."});
    EXPECT_FALSE(manager.view().busy);
    EXPECT_TRUE(manager.view().cancelEnabled);
    EXPECT_TRUE(manager.view().windowVisible);
}

TEST_F(EnsureOnline, TheCloseIconEndsTheRunAndLaterEventsOfThatDialAreNotReported) {
    openWindowWith({entry("Provider")});
    manager.dialSelectedEntry();
    backend.settle();
    backend.notify(RasConnectDevice);
    ASSERT_FALSE(manager.view().cancelEnabled);
    manager.closeWindow();
    backend.settle();
    EXPECT_EQ(outcome, false);
    EXPECT_FALSE(manager.view().windowVisible);
    const QStringList lines = manager.view().statusLines;
    backend.notify(RasConnected);
    EXPECT_EQ(manager.view().statusLines, lines);
    EXPECT_FALSE(online.IsOnline());
    manager.closeWindow();  // no window, nothing happens
    EXPECT_EQ(std::count(events.begin(), events.end(), "window closed"), 1);
}

TEST_F(EnsureOnline, ManuallyClosesTheWindowAndAsksForConfirmation) {
    for (const AnswerCase& c : kAnswers) {
        SCOPED_TRACE(c.answer);
        outcome.reset();
        events.clear();
        dialog.clear();
        openWindowWith({entry("Provider")});
        events.clear();
        dialog.pushAnswer(c.answer);
        manager.confirmManually();
        EXPECT_EQ(outcome, c.online);
        ASSERT_EQ(dialog.requests().size(), 1u);
        EXPECT_EQ(dialog.last().mode, DialogMode::Question);
        EXPECT_EQ(dialog.last().text, text(Msg::MsgAskConnected));
        EXPECT_EQ(dialog.last().width, 271);
        EXPECT_TRUE(dialog.last().wordWrap);
        QStringList expected{"window closed", "minimise", text(Msg::MsgAskConnected), "restore"};
        if (c.online) {
            expected.insert(3, "online");
        }
        EXPECT_EQ(events, expected);
    }
}

TEST_F(EnsureOnline, AConnectionListedWhenTheWindowClosesCountsAsOnLine) {
    openWindowWith({entry("Provider")});
    // The user connected by other means; a listing is under way when the window closes.
    backend.connections = {QStringLiteral("wlan0")};
    manager.listConnections(ConnectionManager::Report::Box);
    manager.closeWindow();
    EXPECT_FALSE(outcome.has_value());
    backend.settle();
    EXPECT_EQ(outcome, true);
    EXPECT_TRUE(online.IsOnline());
}

TEST_F(EnsureOnline, ASecondCallWhileRunningJoinsTheFirst) {
    backend.connections = {QStringLiteral("eth0")};
    std::optional<bool> second;
    ensure();
    manager.EnsureOnline([&](bool on) { second = on; });
    backend.settle();
    EXPECT_EQ(outcome, true);
    EXPECT_EQ(second, true);
    EXPECT_EQ(backend.calls(), 1);
}

TEST_F(EnsureOnline, ANewRunStartsWithAnEmptyStatusAndCancelEnabled) {
    openWindowWith({entry("Provider")});
    manager.dialSelectedEntry();
    backend.settle();
    backend.notify(RasOpenPort, 633);
    manager.dialSelectedEntry();
    manager.closeWindow();
    backend.settle();
    ASSERT_EQ(outcome, false);
    ASSERT_FALSE(manager.view().cancelEnabled);
    outcome.reset();
    ensure();
    EXPECT_TRUE(manager.view().statusLines.isEmpty());
    EXPECT_FALSE(manager.view().statusIsError);
    EXPECT_TRUE(manager.view().cancelEnabled);
    EXPECT_FALSE(manager.view().busy);
}

}  // namespace
}  // namespace trivanto
