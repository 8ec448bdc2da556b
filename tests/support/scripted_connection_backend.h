#pragma once

#include <QList>
#include <QMap>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "core/app/connection_backend.h"

namespace trivanto {

// A system whose connections, entries and failures a test sets. Like the real backends it
// never answers inside a call: answers wait until the test calls deliver() (or settle()), so a
// test sees the states in between. A dial's notifications are sent by the test with notify().
class ScriptedConnectionBackend final : public ConnectionBackend {
public:
    void listConnections(ConnectionsDone done) override;
    void listEntries(EntriesDone done) override;
    void dial(const DialRequest& request, Done started, DialNotify notify) override;
    void hangUp(const QString& handle, Done done) override;
    QString errorText(int error) const override;

    // What the system shows, taken when a listing is asked for: the `rows` first, then one
    // row per name in `connections` (handle and device name = the name).
    QList<ActiveConnection> rows;
    QStringList connections;
    QList<DialEntry> entries;
    bool listingFails = false;
    bool entriesFail = false;
    QString dialStartError;  // not empty: the dial does not start, for this reason
    QString hangUpError;     // not empty: the hang-up is refused
    // A successful hang-up removes the connection from what is listed afterwards.
    bool hangUpRemoves = true;
    QMap<int, QString> errorTexts;

    // Runs the answers waiting now, in order; returns how many ran.
    int deliver();
    // Runs answers until none waits (answers may ask again); returns how many ran.
    int settle(int limit = 1000);
    // Runs the answers waiting now, the last asked first (a system may answer out of order).
    int deliverNewestFirst();
    int waiting() const { return static_cast<int>(m_pending.size()); }

    // Sends a notification of the last dial to its caller, at once.
    void notify(int state, int error = 0);
    const QList<DialRequest>& dials() const { return m_dials; }
    const QStringList& hangUps() const { return m_hangUps; }
    // Listings of the active connections asked for.
    int calls() const { return m_calls; }
    int entryListings() const { return m_entryListings; }

private:
    QList<ActiveConnection> listed() const;

    std::deque<std::function<void()>> m_pending;
    DialNotify m_notify;
    QList<DialRequest> m_dials;
    QStringList m_hangUps;
    int m_calls = 0;
    int m_entryListings = 0;
};

}  // namespace trivanto
