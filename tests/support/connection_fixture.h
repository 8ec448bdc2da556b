#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <optional>

#include "core/lang/message_catalogue.h"
#include "core/net/connection_manager.h"
#include "core/net/online_state.h"
#include "support/manual_clock.h"
#include "support/recording_message_dialog.h"
#include "support/recording_plain_message_box.h"
#include "support/scripted_connection_backend.h"

namespace trivanto {

// A connection manager on a scripted system. `events` records, in order, the window and
// program requests, the messages and every change of IsOnline, so a test can check the
// sequence the user sees.
class ConnectionFixture : public ::testing::Test {
protected:
    ConnectionFixture() {
        catalogue.apply(Language::Englisch);
        QObject::connect(&manager, &ConnectionManager::windowOpened,
                         [this] { events << QStringLiteral("window opened"); });
        QObject::connect(&manager, &ConnectionManager::windowClosed,
                         [this] { events << QStringLiteral("window closed"); });
        QObject::connect(&manager, &ConnectionManager::minimiseProgram,
                         [this] { events << QStringLiteral("minimise"); });
        QObject::connect(&manager, &ConnectionManager::restoreProgram,
                         [this] { events << QStringLiteral("restore"); });
        QObject::connect(&online, &OnlineState::changed, [this](bool on) {
            events << (on ? QStringLiteral("online") : QStringLiteral("offline"));
        });
        dialog.onShow = [this](const MessageRequest& request) { events << request.text; };
    }

    // Starts EnsureOnline; its outcome lands in `outcome`.
    void ensure() {
        manager.EnsureOnline([this](bool on) {
            EXPECT_FALSE(outcome.has_value()) << "EnsureOnline finished twice";
            outcome = on;
        });
    }
    // Starts EnsureOnline on a system without connections but with these entries, and lets
    // it reach the dial-up window.
    void openWindowWith(QList<DialEntry> entries) {
        backend.entries = std::move(entries);
        ensure();
        backend.settle();
        ASSERT_TRUE(manager.view().windowVisible);
    }
    static DialEntry entry(const char* name, const char* user = "", const char* password = "",
                           bool stored = false) {
        return {QLatin1String(name) + QStringLiteral("-id"), QLatin1String(name),
                QLatin1String(user), QLatin1String(password), stored};
    }
    QString text(Msg key) const { return catalogue.text(key); }

    MessageCatalogue catalogue;
    ScriptedConnectionBackend backend;
    OnlineState online;
    ManualClock clock;
    RecordingMessageDialog dialog;
    RecordingPlainMessageBox plain;
    ConnectionManager manager{backend, online, clock, dialog, plain, catalogue};
    std::optional<bool> outcome;
    QStringList events;
};

}  // namespace trivanto
