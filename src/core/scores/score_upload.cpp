#include "core/scores/score_upload.h"

#include <QPointer>

#include "core/app/message_dialog.h"
#include "core/app/settings_saver.h"
#include "core/app/settings_store.h"
#include "core/lang/message_catalogue.h"
#include "core/net/connection_manager.h"
#include "core/scores/hall_of_fame.h"
#include "core/scores/top_list.h"
#include "core/update/banner_update.h"

namespace trivanto {

namespace {

constexpr int kListPlaces = 50;

}  // namespace

ScoreUpload::ScoreUpload(const Services& services, TTopList& topList, WinnersList& winners,
                         HallOfFame& hallOfFame, const OnlineServices& online, QObject* parent)
    : QObject(parent),
      m_services(services),
      m_topList(topList),
      m_winners(winners),
      m_hallOfFame(hallOfFame),
      m_online(online) {
    reset();
}

ScoreUpload::~ScoreUpload() {
    abandon();
}

QString ScoreUpload::text(Msg key) const {
    return m_services.catalogue.text(key);
}

template <typename F>
auto ScoreUpload::guarded(F step) {
    return
        [self = QPointer<ScoreUpload>(this), run = m_run, step = std::move(step)](auto&&... args) {
            if (self && self->m_run == run) {
                step(std::forward<decltype(args)>(args)...);
            }
        };
}

void ScoreUpload::abandon() {
    ++m_run;
    m_topList.Cancel();
    m_busy = false;
}

void ScoreUpload::reset() {
    abandon();
    m_view.page = UploadPage::start;
    m_view.showChecked = true;
    m_view.showEnabled = true;
    m_view.proceedEnabled = true;
    m_view.cancelCaption = text(Msg::MsgCancel);
    for (int k = 0; k < kMaxPlayers; ++k) {
        // Row 1 keeps its place on the names page; the rows are filled on the way there.
        m_view.winners[std::size_t(k)].visible = k == 0;
        m_view.places[std::size_t(k)] = {};
    }
    m_view.placesVisible = false;
    m_outcomes.fill(Outcome::NotSent);
    m_sent = false;
}

void ScoreUpload::OpenForGameEnd() {
    reset();
    m_openedFromHighScores = false;
    m_view.submitChecked = true;
    m_view.submitEnabled = true;
    m_view.fetchEnabled = true;  // its tick as the user last left it
    emit changed();
}

void ScoreUpload::OpenForDownload() {
    const bool show = m_view.showChecked;
    reset();
    m_openedFromHighScores = true;
    m_view.submitChecked = false;
    m_view.submitEnabled = false;
    m_view.fetchChecked = true;
    m_view.fetchEnabled = true;
    m_view.showChecked = show;
    m_view.showEnabled = false;
    emit changed();
}

void ScoreUpload::setSubmit(bool checked) {
    if (m_view.submitEnabled && m_view.page == UploadPage::start) {
        m_view.submitChecked = checked;
    }
}

void ScoreUpload::setFetch(bool checked) {
    if (m_view.fetchEnabled && m_view.page == UploadPage::start) {
        m_view.fetchChecked = checked;
    }
}

void ScoreUpload::setShow(bool checked) {
    if (m_view.showEnabled) {
        m_view.showChecked = checked;
    }
}

void ScoreUpload::setName(int k, const QString& text) {
    if (k >= 0 && k < kMaxPlayers) {
        m_view.winners[std::size_t(k)].name = text.left(WinnerEntries::kMaxNameLength);
    }
}

void ScoreUpload::setEMail(int k, const QString& text) {
    if (k >= 0 && k < kMaxPlayers) {
        m_view.winners[std::size_t(k)].email = text;
    }
}

void ScoreUpload::proceed() {
    if (!m_view.proceedEnabled || m_busy) {
        return;
    }
    switch (m_view.page) {
        case UploadPage::start:
            fromStart();
            break;
        case UploadPage::namen:
            fromNames();
            break;
        case UploadPage::verbinden:
            startConnecting();
            break;
        case UploadPage::online:
        case UploadPage::fertig:
            break;
    }
}

void ScoreUpload::fromStart() {
    if (m_view.submitChecked) {
        const QString currency = m_services.catalogue.settings().CurrencySuffix;
        for (int k = 0; k < kMaxPlayers; ++k) {
            UploadWinnerRow& row = m_view.winners[std::size_t(k)];
            if (k >= m_winners.WinnerCount) {
                row.visible = false;
                continue;
            }
            const QString& name = m_winners.WinnerName[std::size_t(k)];
            row.label = name + QLatin1Char(':');
            row.name = name.left(WinnerEntries::kMaxNameLength);
            row.amount = text(Msg::MsgAmountLabel) +
                         QString::number(m_winners.WinnerScore[std::size_t(k)]) + currency;
            row.email = m_winners.WinnerEMail[std::size_t(k)];
            row.visible = true;
        }
        m_view.page = UploadPage::namen;
    } else if (m_view.fetchChecked) {
        m_view.page = UploadPage::verbinden;
    } else {
        m_services.dialog.notice(text(Msg::MsgSelectOption), 323, false);
        return;
    }
    emit changed();
}

void ScoreUpload::fromNames() {
    for (int k = 0; k < kMaxPlayers; ++k) {
        UploadWinnerRow& row = m_view.winners[std::size_t(k)];
        row.name = tidyWinnerName(row.name);
        row.email = tidyWinnerEmail(row.email);
        m_entries.names[std::size_t(k)] = row.name;
        m_entries.emails[std::size_t(k)] = row.email;
    }
    emit changed();  // the fields show the names as they will be sent
    const QList<Msg> notices = checkWinnerEntries(m_entries, m_winners.WinnerCount);
    for (Msg notice : notices) {
        switch (notice) {
            case Msg::MsgFillAllFields:
                m_services.dialog.notice(text(notice), 155, false);
                break;
            case Msg::MsgNameOnlyOnce:
                m_services.dialog.notice(text(notice), 207, false);
                break;
            default:
                m_services.dialog.notice(text(notice), 325, true);
                break;
        }
    }
    if (!notices.isEmpty()) {
        return;
    }
    for (int k = 0; k < m_winners.WinnerCount; ++k) {
        const auto i = std::size_t(k);
        m_winners.WinnerName[i] = m_entries.names[i];
        m_winners.WinnerEMail[i] = m_entries.emails[i];
        const int seat = m_winners.WinnerSeat[i];
        if (seat >= 1 && seat <= kMaxPlayers) {
            m_services.settings.setString(QStringLiteral("Players/Player%1_eMail").arg(seat),
                                          m_entries.emails[i]);
        }
        m_view.places[i].visible = true;
    }
    m_services.saver.save();
    m_view.placesVisible = true;
    m_view.page = UploadPage::verbinden;
    emit changed();
}

void ScoreUpload::startConnecting() {
    m_busy = true;
    m_view.proceedEnabled = false;
    emit changed();
    m_online.connections.EnsureOnline(guarded([this](bool online) { connected(online); }));
}

void ScoreUpload::connected(bool online) {
    if (!online) {
        m_busy = false;
        m_view.proceedEnabled = true;
        emit changed();
        m_services.dialog.notice(text(Msg::MsgNoConnectionFound), 353, true);
        return;
    }
    m_view.page = UploadPage::online;
    emit changed();
    // Now that a connection is there, the banner gets its chance too (it declines while one
    // runs or once one has succeeded).
    m_online.banner.BannerUpdate();
    m_nextWinner = 0;
    sendNext();
}

void ScoreUpload::sendNext() {
    if (m_view.submitChecked) {
        // A retry sends only the winners the server has not accepted yet: the list never
        // holds one game's result twice.
        while (m_nextWinner < m_winners.WinnerCount &&
               m_outcomes[std::size_t(m_nextWinner)] == Outcome::Ranked) {
            ++m_nextWinner;
        }
        if (m_nextWinner < m_winners.WinnerCount) {
            const int k = m_nextWinner;
            const auto i = std::size_t(k);
            m_topList.AddUser(
                m_winners.WinnerName[i], m_winners.WinnerEMail[i], m_winners.WinnerScore[i],
                m_services.catalogue.settings().LanguageWord,
                guarded([this, k](const TopListSendReply& reply) { winnerAnswered(k, reply); }));
            return;
        }
    }
    fetchList();
}

void ScoreUpload::winnerAnswered(int k, const TopListSendReply& reply) {
    const auto i = std::size_t(k);
    switch (reply.result) {
        case tlrNoConnection:
            failed(Msg::MsgServerMalfunction, 375, true);
            return;
        case tlrBadReply:
            failed(Msg::MsgTransferError, 351, false);
            return;
        case tlrOk:
            m_winners.WinnerRank[i] = reply.Rank;
            m_outcomes[i] = Outcome::Ranked;
            break;
        case tlrStatus4:
            m_outcomes[i] = Outcome::Busy;
            break;
        default:
            // Statuses 2 and 3 carry no rank: the result was not taken.
            m_outcomes[i] = Outcome::Refused;
            break;
    }
    ++m_nextWinner;
    sendNext();
}

void ScoreUpload::fetchList() {
    if (!m_view.fetchChecked) {
        askDisconnect();
        return;
    }
    m_topList.Download(guarded([this](TTopListResult result) { listFetched(result); }));
}

void ScoreUpload::listFetched(TTopListResult result) {
    if (result == tlrNoConnection) {
        failed(Msg::MsgServerMalfunction, 375, true);
        return;
    }
    if (result != tlrOk) {
        failed(Msg::MsgTransferError, 351, false);
        return;
    }
    // A copy that cannot be written is not reported; the list stays shown from memory.
    m_hallOfFame.listDownloaded(m_topList.SaveToFile().ok());
    askDisconnect();
}

void ScoreUpload::askDisconnect() {
    if (m_services.dialog.question(text(Msg::MsgAskDisconnect), 235, false) == AnswerYes) {
        m_online.connections.hangUpAndCheck(guarded([this] { finish(); }));
        return;
    }
    finish();
}

void ScoreUpload::finish() {
    m_busy = false;
    m_view.page = UploadPage::fertig;
    m_hallOfFame.setTop50Refreshed();
    m_view.cancelCaption = text(Msg::MsgClose);
    m_view.proceedEnabled = false;
    if (m_view.fetchChecked) {
        m_view.showEnabled = !m_openedFromHighScores;
    }
    if (m_view.submitChecked) {
        for (int k = 0; k < m_winners.WinnerCount; ++k) {
            UploadPlaceRow& row = m_view.places[std::size_t(k)];
            row.name = m_winners.WinnerName[std::size_t(k)];
            row.place = placeText(k);
        }
        m_sent = true;
    }
    emit changed();
}

QString ScoreUpload::placeText(int k) const {
    switch (m_outcomes[std::size_t(k)]) {
        case Outcome::Ranked: {
            const int rank = m_winners.WinnerRank[std::size_t(k)];
            return rank <= kListPlaces ? text(Msg::MsgRankLabel) + QString::number(rank)
                                       : text(Msg::MsgScoreTooLow);
        }
        case Outcome::Busy:
            return text(Msg::MsgScoreServerBusy);
        case Outcome::Refused:
        case Outcome::NotSent:
            break;
    }
    return text(Msg::MsgScoreRefused);
}

void ScoreUpload::failed(Msg notice, int width, bool wordWrap) {
    m_busy = false;
    m_view.page = UploadPage::verbinden;
    m_view.proceedEnabled = true;
    emit changed();
    m_services.dialog.notice(text(notice), width, wordWrap);
}

ScoreUpload::CloseAction ScoreUpload::cancel() {
    if (m_view.page != UploadPage::fertig) {
        if (m_services.dialog.question(text(Msg::MsgAskQuitTransfer), 245, true) != AnswerYes) {
            return CloseAction::Stay;
        }
        abandon();
        return CloseAction::Close;
    }
    // The game's offer goes once its result has been sent.
    if (m_sent && m_hideEndPanel) {
        m_hideEndPanel();
    }
    if (!m_view.showChecked) {
        return CloseAction::Close;
    }
    m_hallOfFame.setHighScoreView(HighScoreView::Online);
    if (m_openedFromHighScores) {
        m_hallOfFame.ShowOnlinePage();
        return CloseAction::Close;
    }
    return CloseAction::CloseAndShowHallOfFame;
}

QString ScoreUpload::pageHelpTopic() const {
    return m_view.page == UploadPage::namen ? submitHelpTopic() : downloadHelpTopic();
}

}  // namespace trivanto
