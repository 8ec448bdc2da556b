#include "support/scripted_connection_backend.h"

namespace trivanto {

QList<ActiveConnection> ScriptedConnectionBackend::listed() const {
    QList<ActiveConnection> all = rows;
    for (const QString& name : connections) {
        all.append({name, name, QStringLiteral("ethernet"), name, RasConnected, 0});
    }
    return all;
}

void ScriptedConnectionBackend::listConnections(ConnectionsDone done) {
    ++m_calls;
    Result<QList<ActiveConnection>> result =
        listingFails ? Result<QList<ActiveConnection>>::failure(QStringLiteral("no answer"))
                     : Result<QList<ActiveConnection>>(listed());
    m_pending.push_back([done = std::move(done), result] { done(result); });
}

void ScriptedConnectionBackend::listEntries(EntriesDone done) {
    ++m_entryListings;
    Result<QList<DialEntry>> result =
        entriesFail ? Result<QList<DialEntry>>::failure(QStringLiteral("no answer"))
                    : Result<QList<DialEntry>>(entries);
    m_pending.push_back([done = std::move(done), result] { done(result); });
}

void ScriptedConnectionBackend::dial(const DialRequest& request, Done started, DialNotify notify) {
    m_dials.append(request);
    const Status status =
        dialStartError.isEmpty() ? Status::success() : Status::failure(dialStartError);
    m_notify = status.ok() ? std::move(notify) : DialNotify();
    m_pending.push_back([started = std::move(started), status] { started(status); });
}

void ScriptedConnectionBackend::hangUp(const QString& handle, Done done) {
    m_hangUps.append(handle);
    const Status status = hangUpError.isEmpty() ? Status::success() : Status::failure(hangUpError);
    if (status.ok() && hangUpRemoves) {
        rows.removeIf([&](const ActiveConnection& c) { return c.handle == handle; });
        connections.removeAll(handle);
    }
    m_pending.push_back([done = std::move(done), status] { done(status); });
}

QString ScriptedConnectionBackend::errorText(int error) const {
    return errorTexts.value(error, QStringLiteral("Error %1").arg(error));
}

int ScriptedConnectionBackend::deliver() {
    std::deque<std::function<void()>> now;
    now.swap(m_pending);
    for (const auto& answer : now) {
        answer();
    }
    return static_cast<int>(now.size());
}

int ScriptedConnectionBackend::deliverNewestFirst() {
    std::deque<std::function<void()>> now;
    now.swap(m_pending);
    for (auto answer = now.rbegin(); answer != now.rend(); ++answer) {
        (*answer)();
    }
    return static_cast<int>(now.size());
}

int ScriptedConnectionBackend::settle(int limit) {
    int ran = 0;
    while (!m_pending.empty() && ran < limit) {
        ran += deliver();
    }
    return ran;
}

void ScriptedConnectionBackend::notify(int state, int error) {
    if (m_notify) {
        const DialNotify notify = m_notify;
        notify(state, error);
    }
}

}  // namespace trivanto
