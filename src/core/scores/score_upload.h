#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "core/app/online_services.h"
#include "core/app/services.h"
#include "core/game/game_types.h"
#include "core/scores/top_list_protocol.h"
#include "core/scores/winner_entries.h"

namespace trivanto {

class HallOfFame;
class TTopList;

// The five pages of the upload wizard; they only go forwards.
enum class UploadPage { start, namen, verbinden, online, fertig };

// A winner's row on the names page.
struct UploadWinnerRow {
    bool visible = false;
    QString label;   // the name and ":"
    QString name;    // the name field
    QString amount;  // "Amount: 12345 $"
    QString email;   // the e-mail field
};

// A winner's row on the last page.
struct UploadPlaceRow {
    bool visible = false;
    QString name;
    QString place;  // "Rank: 7", "scores too low", or why the server refused it
};

// What the upload wizard renders.
struct ScoreUploadView {
    UploadPage page = UploadPage::start;
    bool submitChecked = false;  // UebertragenCheckBox
    bool submitEnabled = true;
    bool fetchChecked = true;  // AbrufenCheckBox
    bool fetchEnabled = true;
    bool showChecked = true;  // AnzeigenCheckBox
    bool showEnabled = true;
    bool proceedEnabled = true;
    QString cancelCaption;  // "Cancel", on the last page "Close"
    std::array<UploadWinnerRow, kMaxPlayers> winners;
    bool placesVisible = false;  // PlaetzeLabel
    std::array<UploadPlaceRow, kMaxPlayers> places;
};

// The upload wizard's rules: sends the winners of the finished game to the weekly top fifty
// and fetches the list into toplist.dat, through the program's connection manager and the
// shared TTopList. Every network step ends in a continuation; while one runs the wizard is busy and
// Proceed is off. Messages go through the message dialog with the catalogue's texts.
class ScoreUpload final : public QObject {
    Q_OBJECT
public:
    // What closing the wizard leads to.
    enum class CloseAction { Stay, Close, CloseAndShowHallOfFame };

    // `winners` is the game's winners list, which the wizard reads and completes.
    ScoreUpload(const Services& services, TTopList& topList, WinnersList& winners,
                HallOfFame& hallOfFame, const OnlineServices& online, QObject* parent = nullptr);
    ~ScoreUpload() override;

    // Hides the main window's offer to send the game once it has been sent.
    void setEndPanelHider(std::function<void()> hide) { m_hideEndPanel = std::move(hide); }

    const ScoreUploadView& view() const { return m_view; }
    bool OpenedFromHighScores() const { return m_openedFromHighScores; }
    // A connection is being made or an exchange runs.
    bool busy() const { return m_busy; }

    // The game end's "Submit Game to the Top50": send and fetch.
    void OpenForGameEnd();
    // The high-score window: fetch only.
    void OpenForDownload();

    void setSubmit(bool checked);
    void setFetch(bool checked);
    void setShow(bool checked);
    // Row k = 0..3 of the names page as typed.
    void setName(int k, const QString& text);
    void setEMail(int k, const QString& text);

    void proceed();
    // Cancel, Close, the close icon and Escape.
    CloseAction cancel();

    // F1 on the current page; the help button always opens downloadHelpTopic().
    QString pageHelpTopic() const;
    static QString downloadHelpTopic() {
        return QStringLiteral("Internationale_Top50_auf_den_neuesten_Stand_bringen");
    }
    static QString submitHelpTopic() {
        return QStringLiteral("Eigenes_Spiel_in_die_internationalen_Top50_eintragen");
    }

signals:
    void changed();

private:
    // What the server made of one winner in this opening.
    enum class Outcome { NotSent, Ranked, Refused, Busy };

    void reset();
    void fromStart();
    void fromNames();
    void startConnecting();
    void connected(bool online);
    void sendNext();
    void winnerAnswered(int k, const TopListSendReply& reply);
    void fetchList();
    void listFetched(TTopListResult result);
    void askDisconnect();
    void finish();
    void failed(Msg notice, int width, bool wordWrap);
    void abandon();
    QString placeText(int k) const;
    QString text(Msg key) const;
    // Wraps a continuation so it runs only while the same run is still wanted.
    template <typename F>
    auto guarded(F step);

    Services m_services;
    TTopList& m_topList;
    WinnersList& m_winners;
    HallOfFame& m_hallOfFame;
    OnlineServices m_online;
    std::function<void()> m_hideEndPanel;

    ScoreUploadView m_view;
    WinnerEntries m_entries;
    std::array<Outcome, kMaxPlayers> m_outcomes{};
    bool m_openedFromHighScores = false;
    bool m_busy = false;
    bool m_sent = false;  // this opening's winners reached the last page
    int m_nextWinner = 0;
    quint64 m_run = 0;  // continuations of an abandoned run find a newer number and stop
};

}  // namespace trivanto
