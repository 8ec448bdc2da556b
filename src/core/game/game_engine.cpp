#include "core/game/game_engine.h"

#include <QAbstractEventDispatcher>

#include "core/app/clock.h"
#include "core/app/message_dialog.h"
#include "core/app/random_source.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"

namespace trivanto {

namespace {
constexpr int kDrawFlickers = 10;
constexpr int kDrawFlickerMs = 60;
constexpr int kDrawEndPauseMs = 2000;
constexpr int kGameListMessageWidth = 300;

std::size_t idx(int player) {
    return static_cast<std::size_t>(player - 1);
}
}  // namespace

GameEngine::GameEngine(GameServices services, QObject* parent)
    : QObject(parent),
      m_services(std::move(services)),
      m_questions(std::make_unique<TQuestionFile>()) {
    m_countdownTimer.setInterval(1000);
    connect(&m_countdownTimer, &QTimer::timeout, this, &GameEngine::countdowntimerTimer);
    Ursprung();
}

GameEngine::~GameEngine() = default;

QString GameEngine::msg(Msg key) const {
    return m_services.catalogue.text(key);
}

QString GameEngine::currency() const {
    return m_services.catalogue.settings().CurrencySuffix;
}

int GameEngine::frameLeft(int seat) {
    static constexpr std::array<int, kMaxPlayers> kLeft{157, 274, 391, 509};
    return kLeft[idx(std::clamp(seat, 1, kMaxPlayers))];
}

void GameEngine::showScreen(Screen screen) {
    m_view.screen = screen;
    if (screen == Screen::XEnde) {
        m_view.frameVisible = false;
    }
    updateProgress();
}

void GameEngine::showPanel(SidePanel panel) {
    m_view.panel = panel;
}

void GameEngine::updateProgress() {
    m_view.gameInProgress = m_view.frameVisible && m_view.screen != Screen::XEnde;
    m_view.gameSaved = m_state.GameSaved;
    m_view.uploadAllowed = m_state.UploadAllowed;
    const Screen s = m_view.screen;
    m_view.enterProceeds =
        m_view.keyPreview && (s == Screen::XRichtig || s == Screen::XFalsch || s == Screen::XJoker);
}

void GameEngine::updateAccounts() {
    for (int n = 1; n <= m_state.PlayerCount; ++n) {
        m_view.seats[idx(n)].accountText = QString::number(m_state.account(n));
    }
}

void GameEngine::setSeatEmpty(int seat) {
    static constexpr std::array<Msg, kMaxPlayers> kNames{Msg::MsgPlayer1, Msg::MsgPlayer2,
                                                         Msg::MsgPlayer3, Msg::MsgPlayer4};
    SeatView& view = m_view.seats[idx(seat)];
    view.picture = SeatPicture::placeholder();
    view.taken = false;
    view.accountText = QStringLiteral("0");
    view.name = msg(kNames[idx(seat)]);
}

void GameEngine::Ursprung() {
    stopCountdown();
    for (int n = 1; n <= kMaxPlayers; ++n) {
        setSeatEmpty(n);
    }
    m_view.frameVisible = false;
    m_view.panel = SidePanel::None;
    m_view.headLineVisible = false;
    m_view.countdownVisible = false;
    m_view.guessFieldCount = 2;
    m_view.guessPanelHeight = 36;
    m_view.openEnabled = true;
    m_view.saveEnabled = false;
    m_view.keyPreview = false;
    showScreen(Screen::XUnsichtbar);
    emit changed();
}

bool GameEngine::NeuesSpiel(const NewGameData& data) {
    const int n = data.PlayerCount * data.QuestionsPerPlayer;
    QuestionFileReadResult read;
    if (data.PlayerCount >= 1 && data.PlayerCount <= kMaxPlayers && n >= 1 && n <= kSlotCount) {
        read = ReadQuestionFile(m_services.windowsFolder + QStringLiteral("/game.log"));
    } else {
        read.error = QStringLiteral("game length out of range");
    }
    if (!read.ok()) {
        // Never half a game: the board stays empty.
        Ursprung();
        m_services.dialog.notice(msg(Msg::MsgGameListUnreadable), kGameListMessageWidth, true);
        return false;
    }

    // Saved stays as it was: a save just before "New Game" still spares the save offer
    // until the new game's first bet.
    const bool saved = m_state.GameSaved;
    m_state = GameState{};
    m_state.GameSaved = saved;
    m_state.PlayerCount = data.PlayerCount;
    m_state.QuestionsPerPlayer = data.QuestionsPerPlayer;
    m_state.RandomOrder = data.RandomOrder;
    m_state.UploadAllowed = true;
    *m_questions = read.file;

    for (int seat = 1; seat <= kMaxPlayers; ++seat) {
        if (seat > m_state.PlayerCount) {
            setSeatEmpty(seat);
            continue;
        }
        SeatView& view = m_view.seats[idx(seat)];
        view.name = data.names[idx(seat)];
        view.taken = true;
        view.picture = data.pictures[idx(seat)];
        m_view.guessLabels[idx(seat)] = view.name;
        m_state.account(seat) = kStartAccount;
    }
    updateAccounts();
    m_view.frameVisible = true;
    m_view.headLineVisible = true;
    showPanel(SidePanel::PanelGeldsetzen);
    m_state.CurrentPlayer = 1;
    m_state.QuestionNumber = 1;
    FrageStellen();
    return true;
}

void GameEngine::startCountdown() {
    m_countdownActive = true;
    // Without an event loop (tests) the tick is driven by hand.
    if (QAbstractEventDispatcher::instance() != nullptr) {
        m_countdownTimer.start();
    }
}

void GameEngine::stopCountdown() {
    m_countdownActive = false;
    m_countdownTimer.stop();
}

void GameEngine::setGameSaved(bool saved) {
    m_state.GameSaved = saved;
    updateProgress();
    emit changed();
}

void GameEngine::setUploadAllowed(bool allowed) {
    m_state.UploadAllowed = allowed;
    updateProgress();
    emit changed();
}

void GameEngine::AktuellenSpielerAnzeigen() {
    m_view.frameSeat = m_state.CurrentPlayer;
    m_view.frameX = frameLeft(m_state.CurrentPlayer);
    m_view.currentPlayerName = m_view.seats[idx(m_state.CurrentPlayer)].name;
}

void GameEngine::FrageStellen() {
    if (m_state.RandomOrder) {
        if (m_view.panel == SidePanel::PanelWeiter) {
            showPanel(SidePanel::None);
        }
        m_services.sound.play(Cue::DrawBegin);
        for (int i = 0; i < kDrawFlickers; ++i) {
            m_state.CurrentPlayer = m_services.random.uniform(1, m_state.PlayerCount);
            AktuellenSpielerAnzeigen();
            emit changed();
            m_services.clock.wait(kDrawFlickerMs);
        }
        if (m_services.sound.SoundOn()) {
            m_services.sound.play(Cue::DrawEnd);
            m_services.clock.wait(kDrawEndPauseMs);
        }
    }
    m_services.sound.play(m_state.QuestionNumber > 1 ? Cue::NextQuestion : Cue::FirstQuestion);
    AktuellenSpielerAnzeigen();
    m_view.headLine = msg(Msg::MsgQuestionPrefix) + QString::number(m_state.QuestionNumber) +
                      msg(Msg::MsgOfInfix) + QString::number(m_state.totalQuestions());

    const TQuestionEntry& entry =
        m_questions
            ->entries[static_cast<std::size_t>(std::clamp(m_state.QuestionNumber, 1, kSlotCount))];
    const QuestionSlot slot = loadSlot(entry);
    m_view.questionText = slot.question;
    m_state.CurrentKind = QuestionKindOf(entry);
    if (m_state.CurrentKind == QuestionKind::MultipleChoice) {
        m_view.answers = slot.answers;
    } else if (m_state.CurrentKind == QuestionKind::Estimation) {
        emit guessFieldsCleared();
    }

    showPanel(SidePanel::PanelGeldsetzen);
    m_view.saveEnabled = true;
    m_view.openEnabled = true;
    m_view.keyPreview = false;
    m_view.betText = QString::number(m_state.LastBet[idx(m_state.CurrentPlayer)]);
    updateProgress();
    emit changed();
    emit betFieldReset(m_view.betText);
}

void GameEngine::NaechsterZug() {
    m_state.CurrentPlayer = m_state.CurrentPlayer + 1;
    if (m_state.CurrentPlayer > m_state.PlayerCount) {
        m_state.CurrentPlayer = 1;
    }
    m_state.QuestionNumber = m_state.QuestionNumber + 1;
    showScreen(Screen::XUnsichtbar);
    m_state.GameSaved = false;
    if (m_state.QuestionNumber > m_state.totalQuestions()) {
        SpielEnde();
    } else {
        FrageStellen();
    }
    if (m_view.panel == SidePanel::PanelWeiter) {
        showPanel(SidePanel::None);
    }
    updateProgress();
    emit changed();
}

void GameEngine::GoOnClick() {
    // Only the result screens offer "Proceed".
    if (m_view.panel != SidePanel::PanelWeiter) {
        return;
    }
    NaechsterZug();
}

bool GameEngine::FormKeyPress(int key) {
    if (!m_view.keyPreview) {
        return false;
    }
    const bool proceed = m_view.enterProceeds && (key == Qt::Key_Return || key == Qt::Key_Enter);
    m_view.keyPreview = false;
    updateProgress();
    if (proceed) {
        GoOnClick();
    } else {
        emit changed();
    }
    return proceed;
}

}  // namespace trivanto
