#include "core/net/connection_manager.h"

#include "core/app/clock.h"
#include "core/app/message_dialog.h"
#include "core/app/plain_message.h"
#include "core/lang/message_catalogue.h"
#include "core/lang/message_shapes.h"
#include "core/net/online_state.h"
#include "core/net/ras_state_text.h"

namespace trivanto {

namespace {

const QString kPlainTitle = QStringLiteral("Trivanto 1.04");

ConnectionRow rowOf(const ActiveConnection& connection, QString status) {
    return {connection.handle, connection.name.left(kConnectionNameCapacity),
            connection.deviceType.left(kDeviceTypeCapacity),
            connection.deviceName.left(kDeviceNameCapacity), std::move(status)};
}

}  // namespace

ConnectionManager::ConnectionManager(ConnectionBackend& backend, OnlineState& online, Clock& clock,
                                     MessageDialog& dialog, PlainMessageBox& plainMessages,
                                     const MessageCatalogue& catalogue, QObject* parent)
    : QObject(parent),
      m_backend(backend),
      m_online(online),
      m_dialog(dialog),
      m_plainMessages(plainMessages),
      m_catalogue(catalogue),
      m_self(this),
      m_pauseTimer(clock.createTimer([this] { pauseEnded(); }, TimerMode::SingleShot)) {}

ConnectionManager::~ConnectionManager() = default;

QString ConnectionManager::RasStateText(int state, int error) const {
    return trivanto::RasStateText(state, error, m_catalogue,
                                  [this](int code) { return m_backend.errorText(code); });
}

void ConnectionManager::showPlain(const QString& text) {
    m_plainMessages.show(kPlainTitle, text);
}

// --- EnsureOnline -------------------------------------------------------------------------

void ConnectionManager::EnsureOnline(std::function<void(bool online)> done) {
    m_waiters.push_back(std::move(done));
    if (m_step != Step::Idle) {
        return;
    }
    m_online.setOnline(false);
    m_view.cancelEnabled = true;
    m_view.statusLines.clear();
    m_view.statusIsError = false;
    m_step = Step::Listing;
    emit changed();
    listConnections(Report::Box, [this] { firstListingDone(); });
}

void ConnectionManager::firstListingDone() {
    if (!m_view.connections.isEmpty()) {
        m_online.setOnline(true);
        complete();
        return;
    }
    m_step = Step::ListingEntries;
    listEntries([this] { entriesListed(); });
}

void ConnectionManager::entriesListed() {
    if (m_view.entries.isEmpty()) {
        askWithoutEntries();
        return;
    }
    m_view.connectEnabled = true;
    m_view.windowVisible = true;
    m_step = Step::Window;
    emit changed();
    emit windowOpened();
}

void ConnectionManager::askWithoutEntries() {
    m_dialog.show(catalogueMessage(m_catalogue, Msg::MsgNoDialUpEntry));
    askWhileMinimised(Msg::MsgAskOnline);
    complete();
}

// The program steps aside so the user can connect by other means, then says whether it worked.
void ConnectionManager::askWhileMinimised(Msg question) {
    emit minimiseProgram();
    const int answer = m_dialog.show(catalogueMessage(m_catalogue, question, DialogMode::Question));
    m_online.setOnline(answer == AnswerYes);  // Cancel counts as No
    emit restoreProgram();
}

void ConnectionManager::hideWindow() {
    ++m_dialGeneration;  // a dial still running goes on in the system, unreported here
    m_view.busy = false;
    m_view.windowVisible = false;
    m_step = Step::Finishing;
    emit changed();
    emit windowClosed();
}

void ConnectionManager::closeWindow() {
    if (m_step != Step::Window) {
        return;
    }
    hideWindow();
    finishWhenListed();
}

void ConnectionManager::confirmManually() {
    if (m_step != Step::Window) {
        return;
    }
    hideWindow();
    askWhileMinimised(Msg::MsgAskConnected);
    finishWhenListed();
}

// The window has closed: once the listings under way are back, a listed connection counts.
void ConnectionManager::finishWhenListed() {
    if (m_listingsInFlight > 0) {
        m_finishPending = true;
        return;
    }
    m_finishPending = false;
    if (!m_view.connections.isEmpty()) {
        m_online.setOnline(true);
    }
    complete();
}

void ConnectionManager::complete() {
    m_step = Step::Idle;
    emit changed();
    std::vector<std::function<void(bool)>> waiters;
    waiters.swap(m_waiters);
    const bool online = m_online.IsOnline();
    for (const auto& done : waiters) {
        if (done) {
            done(online);
        }
    }
}

// --- Listing ------------------------------------------------------------------------------

void ConnectionManager::listConnections(Report report, std::function<void()> then) {
    const quint64 sequence = ++m_listSequence;
    ++m_listingsInFlight;
    m_backend.listConnections([self = m_self, sequence, report,
                               then = std::move(then)](Result<QList<ActiveConnection>> result) {
        if (self == nullptr) {
            return;
        }
        self->connectionsListed(sequence, report, result);
        if (then) {
            then();
        }
        if (self != nullptr && self->m_finishPending && self->m_listingsInFlight == 0) {
            self->finishWhenListed();
        }
    });
}

void ConnectionManager::connectionsListed(quint64 sequence, Report report,
                                          const Result<QList<ActiveConnection>>& result) {
    --m_listingsInFlight;
    if (sequence < m_appliedSequence) {
        return;  // a newer listing is already shown
    }
    m_appliedSequence = sequence;
    m_view.connections.clear();
    if (result.ok()) {
        for (const ActiveConnection& connection : *result) {
            m_view.connections.append(
                rowOf(connection, RasStateText(connection.state, connection.error)));
        }
    }
    m_view.selectedConnection = m_view.connections.isEmpty() ? -1 : 0;
    m_view.hangUpEnabled = !m_view.connections.isEmpty();
    emit changed();
    if (!result.ok() && report == Report::Box) {
        showPlain(QStringLiteral("RasEnumConnections failed."));
    }
}

void ConnectionManager::listEntries(std::function<void()> then) {
    const quint64 sequence = ++m_entriesSequence;
    m_backend.listEntries(
        [self = m_self, sequence, then = std::move(then)](Result<QList<DialEntry>> result) {
            if (self == nullptr || sequence != self->m_entriesSequence) {
                return;
            }
            // Entries that cannot be listed are no entries: the user is then asked instead.
            self->m_entries = result.ok() ? *result : QList<DialEntry>{};
            self->m_view.entries.clear();
            for (DialEntry& entry : self->m_entries) {
                entry.name = entry.name.left(kEntryNameCapacity);
                self->m_view.entries.append(entry.name);
            }
            self->m_view.selectedEntry = -1;
            self->m_view.userName.clear();
            self->m_view.password.clear();
            if (!self->m_entries.isEmpty()) {
                self->selectEntry(0);
            }
            emit self->changed();
            if (then) {
                then();
            }
        });
}

void ConnectionManager::selectEntry(int index) {
    if (index < 0 || index >= m_entries.size()) {
        return;
    }
    const DialEntry& entry = m_entries.at(index);
    m_view.selectedEntry = index;
    m_view.userName = entry.userName;
    m_view.password = entry.passwordStored ? entry.password : QString();
    emit changed();
}

void ConnectionManager::setUserName(const QString& text) {
    m_view.userName = text;
}

void ConnectionManager::setPassword(const QString& text) {
    m_view.password = text;
}

// --- Dialling -----------------------------------------------------------------------------

void ConnectionManager::dialSelectedEntry() {
    if (m_step != Step::Window || m_view.selectedEntry < 0 ||
        m_view.selectedEntry >= m_entries.size()) {
        return;
    }
    const DialEntry& entry = m_entries.at(m_view.selectedEntry);
    const DialRequest request{entry.handle, entry.name, m_view.userName, m_view.password};
    m_view.busy = true;
    m_view.cancelEnabled = false;
    emit changed();
    const quint64 generation = ++m_dialGeneration;
    m_backend.dial(
        request,
        [self = m_self, generation](Status status) {
            if (self != nullptr && generation == self->m_dialGeneration) {
                self->dialStarted(status);
            }
        },
        [self = m_self, generation](int state, int error) {
            if (self != nullptr && generation == self->m_dialGeneration) {
                self->dialNotified(state, error);
            }
        });
}

void ConnectionManager::dialStarted(const Status& status) {
    m_view.busy = false;
    if (!status.ok()) {
        // Nothing is dialling, so the user may cancel again.
        m_view.cancelEnabled = true;
    }
    emit changed();
    if (!status.ok()) {
        showPlain(m_catalogue.text(Msg::MsgDialFailed) +
                  status.error().left(kRasErrorTextCapacity));
    }
}

void ConnectionManager::dialNotified(int state, int error) {
    const bool connected = state == RasConnected && error == 0;
    m_view.statusIsError = error != 0;
    m_view.statusLines.append(RasStateText(state, error));
    if (!connected && (error != 0 || state == RasDisconnected)) {
        m_view.cancelEnabled = true;  // this dial has ended
    }
    m_online.setOnline(connected);
    emit changed();
    listConnections(Report::Box);
    if (connected && m_step == Step::Window) {
        hideWindow();
        finishWhenListed();
    }
}

// --- Hanging up ---------------------------------------------------------------------------

void ConnectionManager::hangUp(std::function<void(bool ok)> done) {
    if (m_view.hangingUp) {
        m_hangUpWaiters.push_back(std::move(done));
        return;
    }
    if (m_view.connections.isEmpty()) {
        if (done) {
            done(false);
        }
        return;
    }
    m_hangUpWaiters.push_back(std::move(done));
    const int row = m_view.selectedConnection >= 0 ? m_view.selectedConnection : 0;
    m_view.hangingUp = true;
    emit changed();
    m_backend.hangUp(m_view.connections.at(row).handle, [self = m_self](Status status) {
        if (self == nullptr) {
            return;
        }
        if (!status.ok()) {
            self->showPlain(QStringLiteral("RasHangUp failed."));
            self->endHangUp(false);
            return;
        }
        // The system needs a moment before the connection leaves its list.
        self->m_pauseTimer->start(kHangUpPauseMs);
    });
}

void ConnectionManager::pauseEnded() {
    listConnections(Report::Box, [this] { endHangUp(true); });
}

void ConnectionManager::endHangUp(bool ok) {
    m_view.hangingUp = false;
    emit changed();
    std::vector<std::function<void(bool)>> waiters;
    waiters.swap(m_hangUpWaiters);
    for (const auto& done : waiters) {
        if (done) {
            done(ok);
        }
    }
}

void ConnectionManager::hangUpAndCheck(std::function<void()> done) {
    if (!m_view.hangUpEnabled) {
        if (done) {
            done();
        }
        return;
    }
    hangUp([self = m_self, done = std::move(done)](bool) {
        if (self == nullptr) {
            return;
        }
        self->listConnections(Report::Box, [self, done] {
            if (!self->m_view.connections.isEmpty()) {
                self->m_dialog.show(catalogueMessage(self->m_catalogue, Msg::MsgDisconnectFailed));
            }
            if (done) {
                done();
            }
        });
    });
}

}  // namespace trivanto
