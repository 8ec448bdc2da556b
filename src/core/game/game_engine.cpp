#include "core/game/game_engine.h"

#include "core/app/clock.h"
#include "core/app/message_dialog.h"
#include "core/app/random_source.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"
#include "core/lang/message_shapes.h"

namespace trivanto {

namespace {
constexpr int kDrawFlickers = 10;
constexpr int kDrawFlickerMs = 60;
constexpr int kDrawEndPauseMs = 2000;

// "Question n of N" for the current question number.
QString headLine(const MessageCatalogue& catalogue, const GameState& state) {
    return catalogue.text(Msg::MsgQuestionPrefix) + QString::number(state.QuestionNumber) +
           catalogue.text(Msg::MsgOfInfix) + QString::number(state.totalQuestions());
}

std::size_t idx(int player) {
    return static_cast<std::size_t>(player - 1);
}
}  // namespace

GameEngine::GameEngine(const Services& services, QObject* parent)
    : QObject(parent), m_services(services) {
    m_countdownTimer =
        m_services.clock.createTimer([this] { countdownTick(); }, TimerMode::Repeating);
    m_drawTimer = m_services.clock.createTimer([this] { drawTick(); }, TimerMode::SingleShot);
    Ursprung();
}

GameEngine::~GameEngine() = default;

void GameEngine::showMessage(Msg key) {
    m_services.dialog.show(catalogueMessage(m_services.catalogue, key));
}

QString GameEngine::msg(Msg key) const {
    return m_services.catalogue.text(key);
}

QString GameEngine::currency() const {
    return m_services.catalogue.settings().CurrencySuffix;
}

bool GameEngine::inTransition() const {
    return m_phase == GamePhase::Drawing || m_phase == GamePhase::DrawPause;
}

bool GameEngine::countdownRunning() const {
    return m_phase == GamePhase::Answering && m_countdownTimer->isActive();
}

const QuestionSlot& GameEngine::currentSlot() const {
    return m_questions[static_cast<std::size_t>(m_state.QuestionNumber - 1)];
}

void GameEngine::enter(GamePhase phase) {
    m_phase = phase;
    updateProgress();
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
    m_view.gameInProgress = m_phase != GamePhase::NoGame && m_phase != GamePhase::GameOver;
    m_view.inTransition = inTransition();
    m_view.gameSaved = m_state.GameSaved;
    m_view.uploadAllowed = m_state.UploadAllowed;
    const Screen s = m_view.screen;
    m_view.enterProceeds =
        m_view.keyPreview && (s == Screen::XRichtig || s == Screen::XFalsch ||
                              s == Screen::XJoker || s == Screen::XSchaetzfrageExakt);
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

void GameEngine::stopTimers() {
    m_countdownTimer->stop();
    m_drawTimer->stop();
}

void GameEngine::Ursprung() {
    stopTimers();
    for (int n = 1; n <= kMaxPlayers; ++n) {
        setSeatEmpty(n);
    }
    m_view.frameVisible = false;
    m_view.panel = SidePanel::None;
    m_view.headLineVisible = false;
    m_view.headLine.clear();
    m_view.countdownVisible = false;
    m_view.guessFieldCount = 2;
    m_view.openEnabled = true;
    m_view.saveEnabled = false;
    m_view.keyPreview = false;
    m_phase = GamePhase::NoGame;
    showScreen(Screen::XUnsichtbar);
    emit changed();
}

namespace {
// A game of 1 to 4 players whose N questions the list holds.
bool fitsItsQuestions(const NewGameData& data, std::size_t questionCount) {
    const qint64 n = qint64(data.PlayerCount) * data.QuestionsPerPlayer;
    return data.PlayerCount >= 1 && data.PlayerCount <= kMaxPlayers &&
           data.QuestionsPerPlayer >= 1 && n <= kSlotCount && qint64(questionCount) >= n;
}
}  // namespace

bool GameEngine::NeuesSpiel(const NewGameData& data, GameQuestions questions) {
    if (!fitsItsQuestions(data, questions.size())) {
        // Never half a game: the board stays empty.
        Ursprung();
        showMessage(Msg::MsgGameListUnreadable);
        return false;
    }
    stopTimers();

    // Saved stays as it was: a save just before "New Game" still spares the save offer
    // until the new game's first bet.
    const bool saved = m_state.GameSaved;
    m_state = GameState{};
    m_state.GameSaved = saved;
    m_state.UploadAllowed = true;
    m_questions = std::move(questions);
    seatPlayers(data);
    for (int seat = 1; seat <= m_state.PlayerCount; ++seat) {
        m_state.account(seat) = kStartAccount;
    }
    updateAccounts();
    m_state.CurrentPlayer = 1;
    m_state.QuestionNumber = 1;
    // The new game's count from its first moment: the last game's "Question 8 of 8" must not
    // stand over the draw of the new one.
    m_view.headLine = headLine(m_services.catalogue, m_state);
    FrageStellen();
    return true;
}

void GameEngine::seatPlayers(const NewGameData& data) {
    m_state.PlayerCount = data.PlayerCount;
    m_state.QuestionsPerPlayer = data.QuestionsPerPlayer;
    m_state.RandomOrder = data.RandomOrder;
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
    }
    m_view.frameVisible = true;
    m_view.headLineVisible = true;
    showPanel(SidePanel::PanelGeldsetzen);
}

bool GameEngine::canLoad() const {
    return m_phase == GamePhase::NoGame || m_phase == GamePhase::Betting ||
           m_phase == GamePhase::GameOver;
}

bool GameEngine::restoreGame(LoadedGame game) {
    if (!canLoad() || !fitsItsQuestions(game.data, game.questions.size()) ||
        game.QuestionNumber < 1 ||
        game.QuestionNumber > game.data.PlayerCount * game.data.QuestionsPerPlayer ||
        game.CurrentPlayer < 1 || game.CurrentPlayer > game.data.PlayerCount) {
        return false;
    }
    stopTimers();
    m_state = GameState{};
    m_questions = std::move(game.questions);
    seatPlayers(game.data);
    // The stored captions of the empty seats too.
    for (int seat = m_state.PlayerCount + 1; seat <= kMaxPlayers; ++seat) {
        m_view.seats[idx(seat)].name = game.data.names[idx(seat)];
    }
    m_state.Account = game.Account;
    updateAccounts();
    m_state.QuestionNumber = game.QuestionNumber;
    m_state.CurrentPlayer = game.CurrentPlayer;
    m_state.GameSaved = true;
    m_state.UploadAllowed = false;
    m_view.keyPreview = false;
    m_view.countdownVisible = false;
    m_view.guessFieldCount = 2;
    showScreen(Screen::XUnsichtbar);
    m_view.headLine = headLine(m_services.catalogue, m_state);
    FrageStellen();
    return true;
}

void GameEngine::setGameSaved(bool saved) {
    m_state.GameSaved = saved;
    updateProgress();
    emit changed();
}

void GameEngine::AktuellenSpielerAnzeigen() {
    m_view.frameSeat = m_state.CurrentPlayer;
    m_view.currentPlayerName = m_view.seats[idx(m_state.CurrentPlayer)].name;
}

void GameEngine::FrageStellen() {
    if (!m_state.RandomOrder) {
        turnPrepared();
        return;
    }
    // The draw: ten flickers of the frame, 60 ms apart; the tenth draw stands. Nothing of
    // the turn is on the screen meanwhile, and no action is taken.
    showPanel(SidePanel::None);
    m_view.keyPreview = false;
    m_view.saveEnabled = false;
    m_view.openEnabled = false;
    m_services.sound.play(Cue::DrawBegin);
    m_drawFlickers = 0;
    enter(GamePhase::Drawing);
    drawTick();
}

void GameEngine::drawTick() {
    if (m_phase == GamePhase::DrawPause) {
        turnPrepared();
        return;
    }
    if (m_phase != GamePhase::Drawing) {
        return;
    }
    if (m_drawFlickers == kDrawFlickers) {
        drawEnded();
        return;
    }
    ++m_drawFlickers;
    m_state.CurrentPlayer = m_services.random.uniform(1, m_state.PlayerCount);
    AktuellenSpielerAnzeigen();
    emit changed();
    if (m_holds == 0) {
        m_drawTimer->start(kDrawFlickerMs);
    }
}

void GameEngine::drawEnded() {
    // The pause after the draw is made only with sound on.
    if (!m_services.sound.SoundOn()) {
        turnPrepared();
        return;
    }
    m_services.sound.play(Cue::DrawEnd);
    enter(GamePhase::DrawPause);
    emit changed();
    if (m_holds == 0) {
        m_drawTimer->start(kDrawEndPauseMs);
    }
}

void GameEngine::turnPrepared() {
    m_services.sound.play(m_state.QuestionNumber > 1 ? Cue::NextQuestion : Cue::FirstQuestion);
    AktuellenSpielerAnzeigen();
    m_view.headLine = headLine(m_services.catalogue, m_state);

    const QuestionSlot& slot = currentSlot();
    m_view.questionText = slot.question;
    m_state.CurrentKind = QuestionKindOf(slot);
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
    enter(GamePhase::Betting);
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

void GameEngine::proceed() {
    // Only the result screens offer "Proceed".
    if (m_phase != GamePhase::Result) {
        return;
    }
    NaechsterZug();
}

bool GameEngine::resultKeyPressed(bool enterKey) {
    // A stray key (a modifier, a letter) before Enter must not cost the player the shortcut.
    if (!enterKey || !m_view.enterProceeds || m_phase != GamePhase::Result) {
        return false;
    }
    proceed();
    return true;
}

void GameEngine::holdClock() {
    if (m_holds++ > 0) {
        return;
    }
    m_countdownTimer->stop();
    m_drawTimer->stop();
}

void GameEngine::releaseClock() {
    if (m_holds == 0 || --m_holds > 0) {
        return;
    }
    // The held timer starts its whole interval again: a held second is never lost.
    switch (m_phase) {
        case GamePhase::Answering:
            startCountdown();
            break;
        case GamePhase::Drawing:
            m_drawTimer->start(kDrawFlickerMs);
            break;
        case GamePhase::DrawPause:
            m_drawTimer->start(kDrawEndPauseMs);
            break;
        default:
            break;
    }
}

}  // namespace trivanto
