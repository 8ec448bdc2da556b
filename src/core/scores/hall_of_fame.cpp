#include "core/scores/hall_of_fame.h"

#include "core/app/clock.h"
#include "core/app/message_dialog.h"
#include "core/app/settings_saver.h"
#include "core/app/settings_store.h"
#include "core/lang/message_catalogue.h"
#include "core/scores/local_top_ten.h"
#include "core/scores/top_list.h"

namespace trivanto {

namespace {

// Shown in the e-mail column of an empty on-line row.
const QString kExampleAddress = QStringLiteral("name@example.com");

}  // namespace

HallOfFame::HallOfFame(const Services& services, TTopList& topList, QObject* parent)
    : QObject(parent), m_services(services), m_topList(topList) {
    // Any other change of the list (a fetch that empties it, a load) replaces a list that
    // only memory held.
    connect(&m_topList, &TTopList::listChanged, this, [this] { m_unsavedDownload = false; });
}

QString HallOfFame::currency() const {
    return m_services.catalogue.settings().CurrencySuffix;
}

void HallOfFame::OpenFromMain() {
    m_top50Refreshed = false;
    m_view.updateVisible = true;
    m_highScoreView = HighScoreView::Local;
}

void HallOfFame::FormShow() {
    if (m_highScoreView == HighScoreView::Online) {
        buildOnline();
    } else {
        buildLocal();
    }
}

void HallOfFame::showLocal() {
    m_highScoreView = HighScoreView::Local;
    buildLocal();
}

void HallOfFame::showOnline() {
    m_highScoreView = HighScoreView::Online;
    buildOnline();
}

void HallOfFame::buildLocal() {
    const MessageCatalogue& texts = m_services.catalogue;
    m_view.shown = HighScoreView::Local;
    m_view.title = texts.text(Msg::MsgTitleTop10);
    m_view.pagingVisible = false;
    m_view.updateVisible = false;
    m_view.deleteVisible = true;
    m_view.localEnabled = false;
    m_view.onlineEnabled = true;
    const LocalTopTen topTen(m_services.settings);
    for (int r = 1; r <= LocalTopTen::kSlots; ++r) {
        const TopTenSlot slot = topTen.slot(r);
        HallOfFameRow& row = m_view.rows[std::size_t(r - 1)];
        row = {};
        row.place = QString::number(r) + QLatin1Char('.');
        row.name = slot.name;
        row.money = slot.money + currency();
        row.date = slot.date;
        row.time = slot.time;
    }
    emit changed();
}

void HallOfFame::clearLocal() {
    const int answer = m_services.dialog.question(
        m_services.catalogue.text(Msg::MsgAskClearHighScores), 279, false);
    if (answer != AnswerYes) {
        return;
    }
    LocalTopTen(m_services.settings).clear(m_services.catalogue.text(Msg::MsgEmptySlot));
    m_services.saver.save();
    buildLocal();
}

void HallOfFame::buildOnline() {
    if (m_unsavedDownload) {
        loadAndShow();
        return;
    }
    const std::optional<QDateTime> written = m_topList.file().lastWriteTime();
    if (!written) {
        const int answer = m_services.dialog.question(
            m_services.catalogue.text(Msg::MsgTop50NotDownloaded), 269, true);
        if (answer == AnswerYes && m_openForDownload) {
            // Asks again when there is still no copy afterwards.
            m_openForDownload([this] { buildOnline(); });
        }
        return;
    }
    if (topListCopyOutdated(*written, m_services.clock.now())) {
        const int answer =
            m_services.dialog.question(m_services.catalogue.text(Msg::MsgTop50Outdated), 290, true);
        if (answer == AnswerYes && m_openForDownload) {
            m_openForDownload([this] { loadAndShow(); });
            return;
        }
    }
    loadAndShow();
}

void HallOfFame::loadAndShow() {
    // A copy that cannot be read shows ten empty rows; a fetched list that could not be
    // stored is shown from memory.
    if (!m_unsavedDownload) {
        static_cast<void>(m_topList.LoadFromFile());
    }
    showOnlineList();
}

void HallOfFame::showOnlineList() {
    m_view.shown = HighScoreView::Online;
    m_view.title = m_services.catalogue.text(Msg::MsgTitleTop50);
    m_view.pagingVisible = true;
    m_view.deleteVisible = false;
    m_view.updateVisible = !m_top50Refreshed;
    m_view.localEnabled = true;
    m_view.onlineEnabled = false;
    ShowOnlinePage();
}

void HallOfFame::ShowOnlinePage() {
    const auto page = onlinePage(m_topList.Entries(), m_pageOffset);
    for (int i = 0; i < kOnlinePageRows; ++i) {
        const OnlinePageRow& entry = page[std::size_t(i)];
        HallOfFameRow& row = m_view.rows[std::size_t(i)];
        row = {};
        row.place = QString::number(entry.place) + QLatin1Char('.');
        row.flag = entry.flag;
        if (entry.empty) {
            row.name = m_services.catalogue.text(Msg::MsgEmptySlot);
            row.email = kExampleAddress;
            row.money = QStringLiteral("-") + currency();
        } else {
            row.name = entry.name;
            row.email = entry.email;
            row.money = QString::number(entry.score) + currency();
        }
    }
    emit changed();
}

void HallOfFame::refresh() {
    if (!m_openForDownload) {
        return;
    }
    const int downloadsBefore = m_downloads;
    m_openForDownload([this, downloadsBefore] { afterWizard(m_downloads != downloadsBefore); });
}

void HallOfFame::afterWizard(bool downloaded) {
    setTop50Refreshed();
    // A failed fetch has emptied the list in memory: the rows show the copy on disk again,
    // so paging never turns a shown list into empty rows.
    if (m_view.shown == HighScoreView::Online) {
        if (downloaded) {
            ShowOnlinePage();
        } else {
            loadAndShow();
        }
    }
}

void HallOfFame::setTop50Refreshed() {
    m_top50Refreshed = true;
    m_view.updateVisible = false;
    emit changed();
}

void HallOfFame::listDownloaded(bool saved) {
    ++m_downloads;
    m_unsavedDownload = !saved;
}

QString HallOfFame::ranksText(int from, int to) const {
    const MessageCatalogue& texts = m_services.catalogue;
    return texts.text(Msg::MsgRanksPrefix) + QString::number(from) +
           texts.text(Msg::MsgRanksInfix) + QString::number(to);
}

void HallOfFame::nextPage() {
    if (!m_view.nextEnabled || m_pageOffset >= kLastPageOffset) {
        return;
    }
    m_view.previousEnabled = true;
    m_pageOffset += 10;
    m_view.previousCaption = ranksText(m_pageOffset - 9, m_pageOffset);
    if (m_pageOffset == kLastPageOffset) {
        m_view.nextEnabled = false;
    } else {
        m_view.nextCaption = ranksText(m_pageOffset + 11, m_pageOffset + 20);
    }
    ShowOnlinePage();
}

void HallOfFame::previousPage() {
    if (!m_view.previousEnabled || m_pageOffset <= 0) {
        return;
    }
    m_view.nextEnabled = true;
    m_pageOffset -= 10;
    m_view.nextCaption = ranksText(m_pageOffset + 11, m_pageOffset + 20);
    if (m_pageOffset > 0) {
        m_view.previousCaption = ranksText(m_pageOffset - 9, m_pageOffset);
    } else {
        m_view.previousEnabled = false;
    }
    ShowOnlinePage();
}

}  // namespace trivanto
