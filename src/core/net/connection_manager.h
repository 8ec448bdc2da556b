#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "core/app/connection_backend.h"
#include "core/lang/message_catalogue.h"
#include "core/net/dial_up_view.h"

namespace trivanto {

class Clock;
class MessageDialog;
class OnlineState;
class PlainMessageBox;
class Timer;

// The dial-up connection manager: finds an active connection, offers the system's entries to
// dial, lets the user confirm a connection made by other means, and hangs up. It holds the
// state of the dial-up window (`TRASForm`), which renders view() and forwards the user's
// actions; the result is the program-wide flag in OnlineState.
//
// Nothing here waits: every operation that needs the system finishes in a continuation, so a
// window can show the dial-up window meanwhile or carry on. Notices and questions go through
// the (modal) message dialog.
class ConnectionManager final : public QObject {
    Q_OBJECT
public:
    // The pause after a hang-up before the connections are listed again.
    static constexpr int kHangUpPauseMs = 1000;

    // Whether a failed listing is reported in the plain message box: listings the user asked
    // for are, the background checks stay quiet (a box every ten seconds helps nobody).
    enum class Report { Box, Silent };

    ConnectionManager(ConnectionBackend& backend, OnlineState& online, Clock& clock,
                      MessageDialog& dialog, PlainMessageBox& plainMessages,
                      const MessageCatalogue& catalogue, QObject* parent = nullptr);
    ~ConnectionManager() override;

    const DialUpView& view() const { return m_view; }
    // The status text of a state, with the backend's text for errors.
    QString RasStateText(int state, int error) const;

    // Makes IsOnline reflect a usable connection: an active connection makes it true at once;
    // otherwise the dial-up window opens (windowOpened()) and the run ends when it closes;
    // without any entry the user is told and asked. `done(online)` runs when the run ends
    // (possibly inside this call when no system call was needed). A call while a run is going
    // on joins it.
    void EnsureOnline(std::function<void(bool online)> done);
    bool ensureRunning() const { return m_step != Step::Idle; }

    // Lists the active connections into the view (first row selected, hang-up enabled when
    // any); `then` runs once this listing has come back.
    void listConnections(Report report, std::function<void()> then = {});
    // Lists the entries into the view and selects the first one.
    void listEntries(std::function<void()> then = {});

    // The user's actions in the dial-up window.
    void selectEntry(int index);  // loads the entry's stored user name and password
    void setUserName(const QString& text);
    void setPassword(const QString& text);
    void dialSelectedEntry();  // Connect
    void confirmManually();    // Manually ...: closes the window and asks MsgAskConnected
    void closeWindow();        // Cancel (only while enabled) or the close icon

    // Hangs up the selected (first listed) connection, pauses kHangUpPauseMs and lists again.
    // `done(ok)` tells whether the system ended the connection; a refusal is reported in the
    // plain message box. With nothing listed, done(false) runs inside the call.
    void hangUp(std::function<void(bool ok)> done);
    // What the update and the score upload do when the user wants to disconnect: only when a
    // connection is listed, hang it up, list again, and if any connection remains show
    // MsgDisconnectFailed. Otherwise nothing is closed and `done` runs inside the call.
    void hangUpAndCheck(std::function<void()> done);

signals:
    void changed();          // render view() again
    void windowOpened();     // show the dial-up window modally
    void windowClosed();     // hide it
    void minimiseProgram();  // around the confirmation, so the user can connect otherwise
    void restoreProgram();

private:
    enum class Step { Idle, Listing, ListingEntries, Window, Finishing };

    void firstListingDone();
    void entriesListed();
    void askWithoutEntries();
    void askWhileMinimised(Msg question);
    void connectionsListed(quint64 sequence, Report report,
                           const Result<QList<ActiveConnection>>& result);
    void dialStarted(const Status& status);
    void dialNotified(int state, int error);
    void hideWindow();
    void finishWhenListed();
    void complete();
    void pauseEnded();
    void endHangUp(bool ok);
    void showPlain(const QString& text);

    ConnectionBackend& m_backend;
    OnlineState& m_online;
    MessageDialog& m_dialog;
    PlainMessageBox& m_plainMessages;
    const MessageCatalogue& m_catalogue;
    QPointer<ConnectionManager> m_self;  // callbacks of the backend check it first

    DialUpView m_view;
    QList<DialEntry> m_entries;

    Step m_step = Step::Idle;
    std::vector<std::function<void(bool)>> m_waiters;
    bool m_finishPending = false;

    quint64 m_listSequence = 0;     // listings started
    quint64 m_appliedSequence = 0;  // the newest listing shown; older answers are dropped
    int m_listingsInFlight = 0;
    quint64 m_entriesSequence = 0;
    quint64 m_dialGeneration = 0;  // events of older dials are not reported here

    std::unique_ptr<Timer> m_pauseTimer;
    std::vector<std::function<void(bool)>> m_hangUpWaiters;
};

}  // namespace trivanto
