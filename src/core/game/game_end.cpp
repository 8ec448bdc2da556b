// The game end: winners, their scaled scores, the local top ten and the upload offer.
#include <algorithm>

#include "core/app/clock.h"
#include "core/app/settings_saver.h"
#include "core/app/settings_store.h"
#include "core/game/bet_rules.h"
#include "core/game/game_engine.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"
#include "core/scores/local_top_ten.h"

namespace trivanto {

void GameEngine::SpielEnde() {
    stopTimers();
    m_view.openEnabled = true;
    m_view.saveEnabled = false;
    const auto first = m_state.Account.begin();
    const qint32 best = *std::max_element(first, first + m_state.PlayerCount);
    m_view.winnerText.clear();
    m_winners = WinnersList{};
    const double factor = ScoreFactor(m_state.QuestionsPerPlayer);
    LocalTopTen topTen(m_services.settings);
    const QDateTime now = m_services.clock.now();

    QStringList names;
    qint32 score = 0;
    for (int n = 1; n <= m_state.PlayerCount; ++n) {
        if (m_state.account(n) != best) {
            continue;
        }
        score = scaledScore(m_state.account(n), m_state.QuestionsPerPlayer);
        const QString name = m_view.seats[static_cast<std::size_t>(n - 1)].name;
        names << name;
        const auto k = static_cast<std::size_t>(m_winners.WinnerCount);
        m_winners.WinnerCount += 1;
        m_winners.WinnerEMail[k] =
            m_services.settings.stringValue(QStringLiteral("Players/Player%1_eMail").arg(n));
        m_winners.WinnerSeat[k] = n;
        m_winners.WinnerName[k] = name;
        m_winners.WinnerScore[k] = score;
        topTen.HighscoreBerechnen(name, score, now);
    }

    const bool scaled = factor != 1.0;
    m_view.footnoteText = scaled ? msg(Msg::MsgRatioFootnote) : QString();
    m_view.winnerText = msg(Msg::MsgWinnerIs) + joinNames(names, msg(Msg::MsgAndInfix)) +
                        QLatin1Char(' ') + msg(Msg::MsgWithInfix) + QString::number(score) +
                        currency() + (scaled ? QStringLiteral("*") : QString());
    m_view.keyPreview = false;
    showScreen(Screen::XEnde);
    showPanel(SidePanel::PanelOnlineupdate);
    m_view.endPanelText =
        msg(m_state.UploadAllowed ? Msg::MsgTop50Invite : Msg::MsgSavedGameNoTransfer);
    m_view.submitVisible = m_state.UploadAllowed;
    m_services.sound.play(Cue::GameEnd);
    enter(GamePhase::GameOver);
    emit changed();
    // After the end shows: a message that the top ten cannot be kept stands in front of it.
    m_services.saver.save();
}

bool GameEngine::submitOffered() const {
    return m_phase == GamePhase::GameOver && m_view.panel == SidePanel::PanelOnlineupdate &&
           m_view.submitVisible && m_state.UploadAllowed;
}

void GameEngine::hideUploadOffer() {
    if (m_view.panel != SidePanel::PanelOnlineupdate) {
        return;
    }
    showPanel(SidePanel::None);
    m_view.submitVisible = false;
    emit changed();
}

}  // namespace trivanto
