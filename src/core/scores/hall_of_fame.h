#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "core/app/services.h"
#include "core/scores/high_score_view.h"

namespace trivanto {

class TTopList;

// One of the ten rows of the high-score window as it is shown.
struct HallOfFameRow {
    QString place;  // "1." ... "50."
    QString name;
    QString date;   // local view only
    QString time;   // local view only
    QString email;  // on-line view only
    QString money;  // the amount followed by the currency suffix
    int flag = kNoFlag;
};

// What the high-score window renders.
struct HallOfFameView {
    HighScoreView shown = HighScoreView::Local;  // which list the rows hold
    QString title;
    std::array<HallOfFameRow, kOnlinePageRows> rows;
    bool localEnabled = false;   // "My Top10"
    bool onlineEnabled = true;   // "Online Top50"
    bool deleteVisible = true;   // "Delete Top10"
    bool pagingVisible = false;  // the two page buttons
    bool updateVisible = false;  // "Update Top50 of the week"
    // Page buttons; an empty caption keeps the language table's ("Ranks 1 to 10").
    QString previousCaption;
    QString nextCaption;
    bool previousEnabled = false;
    bool nextEnabled = true;
};

// The high-score window's rules: the local top ten from the settings, the pages of the
// on-line top fifty from the shared TTopList and its local copy, clearing, paging and the
// seven-day reminder. `HighScoreView` and `Top50Refreshed` are shared with the upload wizard,
// which reaches them here.
class HallOfFame final : public QObject {
    Q_OBJECT
public:
    static constexpr int kLastPageOffset = 40;

    // Opens the upload wizard to fetch the list; `closed` runs once it has closed again.
    using OpenForDownload = std::function<void(std::function<void()> closed)>;

    HallOfFame(const Services& services, TTopList& topList, QObject* parent = nullptr);

    void setOpenForDownload(OpenForDownload open) { m_openForDownload = std::move(open); }

    const HallOfFameView& view() const { return m_view; }
    HighScoreView highScoreView() const { return m_highScoreView; }
    void setHighScoreView(HighScoreView view) { m_highScoreView = view; }
    bool Top50Refreshed() const { return m_top50Refreshed; }
    int PageOffset() const { return m_pageOffset; }

    // The main window's "Hall Of Fame": the local view, the update button back.
    void OpenFromMain();
    // The window is being shown: builds the view that highScoreView() names.
    void FormShow();

    void showLocal();   // "My Top10"
    void showOnline();  // "Online Top50"
    void clearLocal();  // "Delete Top10", after the question
    void refresh();     // "Update Top50 of the week"
    void nextPage();
    void previousPage();

    // Fills the rows from the list in memory at PageOffset().
    void ShowOnlinePage();

    // The wizard reached its last page: the list is fresh, the update button stays hidden.
    void setTop50Refreshed();
    // The wizard fetched the list into memory; `saved` tells whether toplist.dat holds it.
    // A list that could not be stored is shown from memory for the rest of the run instead of
    // asking to fetch it again and again.
    void listDownloaded(bool saved);

signals:
    void changed();

private:
    void buildLocal();
    void buildOnline();
    void loadAndShow();
    void showOnlineList();
    void afterWizard(bool downloaded);
    void setPageButtons();
    QString ranksText(int from, int to) const;
    QString currency() const;

    Services m_services;
    TTopList& m_topList;
    OpenForDownload m_openForDownload;
    HallOfFameView m_view;
    HighScoreView m_highScoreView = HighScoreView::Local;
    bool m_top50Refreshed = false;
    int m_pageOffset = 0;
    bool m_unsavedDownload = false;  // the list in memory was fetched but is not on disk
    int m_downloads = 0;             // lists fetched by the wizard in this run
};

}  // namespace trivanto
