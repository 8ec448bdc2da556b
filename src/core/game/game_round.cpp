// One turn: the bet, the start of the question, answers, countdown, joker and estimation.
#include <algorithm>
#include <limits>

#include "core/app/clock.h"
#include "core/app/message_dialog.h"
#include "core/app/random_source.h"
#include "core/game/bet_rules.h"
#include "core/game/game_engine.h"
#include "core/game/money.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"

namespace trivanto {

namespace {
constexpr int kCountdownStart = 16;
constexpr int kCountdownTickMs = 1000;

std::size_t idx(int player) {
    return static_cast<std::size_t>(player - 1);
}
}  // namespace

QString GameEngine::fillMaximumBet() {
    if (m_phase != GamePhase::Betting) {
        return m_view.betText;
    }
    m_view.betText = QString::number(maxBet(m_state.account(m_state.CurrentPlayer)));
    emit changed();
    emit betFieldReset(m_view.betText);
    return m_view.betText;
}

bool GameEngine::EinsatzPruefen(const QString& betText) {
    if (m_phase != GamePhase::Betting) {
        return false;
    }
    m_state.GameSaved = false;
    m_view.betText = betText;
    const BetResult result = checkBet(betText, m_state.account(m_state.CurrentPlayer));
    switch (result.check) {
        case BetCheck::Limit500:
            showMessage(Msg::MsgBetLimit500);
            break;
        case BetCheck::LimitAccount:
            showMessage(Msg::MsgBetLimitAccount);
            break;
        case BetCheck::NotAnInteger:
            showMessage(Msg::MsgBetIntegerRange);
            break;
        case BetCheck::Accepted:
            break;
    }
    if (result.check != BetCheck::Accepted) {
        updateProgress();
        emit changed();
        return false;
    }
    m_view.saveEnabled = false;
    m_view.openEnabled = false;
    m_state.LastBet[idx(m_state.CurrentPlayer)] = result.value;
    m_state.Bet = result.value;
    m_services.sound.stop();
    FrageStarten();
    return true;
}

void GameEngine::FrageStarten() {
    showPanel(SidePanel::None);
    m_view.keyPreview = false;
    switch (m_state.CurrentKind) {
        case QuestionKind::MultipleChoice:
            showScreen(Screen::XFrage);
            m_state.Countdown = kCountdownStart;
            m_view.countdownText = countdownText(kCountdownStart - 1);
            m_view.countdownVisible = true;
            enter(GamePhase::Answering);
            startCountdown();
            m_services.sound.play(Cue::Countdown);
            break;
        case QuestionKind::Estimation: {
            m_services.sound.play(Cue::Estimation);
            // Two fields at least: with a lone player (never drawn by the setup) the second
            // field still takes a guess, so the round can always be settled.
            m_view.guessFieldCount = std::clamp(m_state.PlayerCount, 2, kMaxPlayers);
            showScreen(Screen::XSchaetzfrage);
            enter(GamePhase::Guessing);
            emit changed();
            emit focusRequested(FocusTarget::GuessField1);
            return;
        }
        case QuestionKind::Joker:
            startJoker();
            return;
    }
    updateProgress();
    emit changed();
}

void GameEngine::startJoker() {
    showScreen(Screen::XJoker);
    m_state.JokerOutcome = m_services.random.uniform(1, 2);
    m_services.sound.play(Cue::Joker);
    const qint32 a = m_state.account(m_state.CurrentPlayer);
    const qint32 b = m_state.Bet;
    m_state.JokerAccount = m_state.JokerOutcome == 1 ? a + b : a + 2 * b;
    m_view.jokerText = msg(m_state.JokerOutcome == 1 ? Msg::MsgPayoutStake : Msg::MsgPayoutDouble) +
                       QLatin1Char('\r') + QString::number(a) + currency() +
                       QStringLiteral(" -> ") + QString::number(m_state.JokerAccount) + currency() +
                       QLatin1Char('.');
    AntwortAuswerten();
}

void GameEngine::chooseAnswer(int k) {
    if (m_phase != GamePhase::Answering || k < 1 || k > 4) {
        return;
    }
    m_state.AnswerCorrect = currentSlot().correct == QString::number(k);
    AntwortAuswerten();
}

void GameEngine::startCountdown() {
    if (m_holds == 0) {
        m_countdownTimer->start(kCountdownTickMs);
    }
}

void GameEngine::countdownTick() {
    // No question open: nothing to count.
    if (m_phase != GamePhase::Answering) {
        m_countdownTimer->stop();
        return;
    }
    if (m_state.Countdown == 0) {
        m_view.countdownText = countdownText(0);
        m_state.AnswerCorrect = false;
        AntwortAuswerten();
        return;
    }
    m_state.Countdown = m_state.Countdown - 1;
    m_view.countdownText = countdownText(m_state.Countdown);
    emit changed();
}

void GameEngine::AntwortAuswerten() {
    m_countdownTimer->stop();
    m_view.countdownVisible = false;
    m_view.keyPreview = true;
    showPanel(SidePanel::PanelWeiter);
    const int current = m_state.CurrentPlayer;
    if (m_state.CurrentKind != QuestionKind::Joker) {
        const qint32 b = m_state.Bet;
        if (m_state.AnswerCorrect) {
            m_services.sound.play(Cue::Right);
            showScreen(Screen::XRichtig);
            m_state.account(current) += b;
        } else {
            m_services.sound.play(Cue::Wrong);
            showScreen(Screen::XFalsch);
            const QuestionSlot& slot = currentSlot();
            bool ok = false;
            const int right = slot.correct.toInt(&ok);
            // A damaged slot names no right answer rather than a wrong one.
            m_view.rightAnswerText = ok && right >= 1 && right <= 4 && slot.correct.size() == 1
                                         ? slot.answers[static_cast<std::size_t>(right - 1)]
                                         : QString();
            m_state.account(current) -= b;
            if (m_state.PlayerCount > 1) {
                const qint32 share =
                    roundHalfEven(static_cast<double>(b) / (m_state.PlayerCount - 1));
                for (int i = 1; i <= m_state.PlayerCount; ++i) {
                    if (i != current) {
                        m_state.account(i) += share;
                    }
                }
            }
        }
    } else {
        m_state.account(current) = m_state.JokerAccount;
        updateProgress();
    }
    enter(GamePhase::Result);
    updateAccounts();
    emit changed();
}

void GameEngine::guessEntered(int n, const std::array<QString, kMaxPlayers>& guesses) {
    if (m_phase != GamePhase::Guessing) {
        return;
    }
    if (n >= 1 && n < m_view.guessFieldCount) {
        emit focusRequested(static_cast<FocusTarget>(n + 1));
        return;
    }
    SchaetzungAuswerten(guesses);
}

bool GameEngine::SchaetzungAuswerten(const std::array<QString, kMaxPlayers>& guesses) {
    if (m_phase != GamePhase::Guessing) {
        return false;
    }
    const int fields = m_view.guessFieldCount;
    for (int n = 1; n <= fields; ++n) {
        if (!isValidGuess(guesses[idx(n)])) {
            showMessage(Msg::MsgEstimateInteger);
            return false;
        }
    }
    const QString exactText = currentSlot().answers[0];
    m_view.exactAnswerText = msg(Msg::MsgCorrectAnswerIs) + exactText;
    m_view.keyPreview = true;
    showScreen(Screen::XSchaetzfrageExakt);
    m_services.sound.play(Cue::Right);

    bool exactOk = false;
    const qint64 exact = exactText.toLongLong(&exactOk);
    QStringList names;
    if (exactOk) {
        std::array<quint64, kMaxPlayers> distance{};
        quint64 best = std::numeric_limits<quint64>::max();
        for (int i = 1; i <= m_state.PlayerCount; ++i) {
            distance[idx(i)] = guessDistance(guesses[idx(i)].toLongLong(), exact);
            best = std::min(best, distance[idx(i)]);
        }
        for (int i = 1; i <= m_state.PlayerCount; ++i) {
            if (distance[idx(i)] == best) {
                m_state.account(i) += m_state.Bet;
                names << m_view.seats[idx(i)].name;
            }
        }
    }
    // An exact value that is no whole number cannot be measured against: nobody wins.
    m_view.closestText =
        exactOk ? msg(Msg::MsgClosestGuess) + joinNames(names, msg(Msg::MsgAndInfix)) : QString();
    updateAccounts();
    showPanel(SidePanel::PanelWeiter);
    enter(GamePhase::Result);
    emit changed();
    return true;
}

}  // namespace trivanto
