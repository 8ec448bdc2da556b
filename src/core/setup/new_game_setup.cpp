#include "core/setup/new_game_setup.h"

#include <QFileInfo>

#include "core/app/message_dialog.h"
#include "core/game/game_engine.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"
#include "core/setup/question_pool.h"

namespace trivanto {

namespace {
constexpr int kTooFewWidth = 279;
constexpr int kOwnMessageWidth = 300;
}  // namespace

NewGameSetup::NewGameSetup(SetupServices services, GameEngine& engine)
    : m_services(std::move(services)),
      m_engine(engine),
      m_players(m_services.settings, m_services.dialog, m_services.catalogue),
      m_categories(m_services.dialog, m_services.catalogue) {}

void NewGameSetup::FormCreate() {
    m_players.FormCreate();
    rebuildGameLengths();
}

void NewGameSetup::FormActivate() {
    m_engine.Ursprung();
    m_players.FormActivate();
    m_categories.build(m_services.progDir, m_players.PlayerCount());
    rebuildGameLengths();
}

void NewGameSetup::FlatRadioButtonClick(int playerCount) {
    m_players.setPlayerCount(playerCount);
    m_categories.recount(m_players.PlayerCount());
    rebuildGameLengths();
}

void NewGameSetup::AbbrechenButtonClick() {
    m_services.sound.stop();
}

void NewGameSetup::rebuildGameLengths() {
    m_gameLengths = CategorySelection::gameLengthEntries(m_players.PlayerCount());
}

NewGameSetup::StartResult NewGameSetup::OKButtonClick(const QString& gameLength,
                                                      SetupProgress* progress) {
    const auto& text = [&](Msg key) { return m_services.catalogue.text(key); };
    const int playerCount = m_players.PlayerCount();
    bool ok = false;
    const int length = gameLength.trimmed().toInt(&ok);
    const int perPlayer = ok ? length / playerCount : 0;
    const int n = perPlayer * playerCount;
    if (!ok || n < 1 || n > kSlotCount) {
        m_services.dialog.notice(text(Msg::MsgGameLengthInvalid), kOwnMessageWidth, true);
        return StartResult::Refused;
    }
    if (m_categories.questionCount() < n) {
        m_services.dialog.notice(text(Msg::MsgTooFewQuestionsHead) + QString::number(n) +
                                     text(Msg::MsgTooFewQuestionsTail),
                                 kTooFewWidth, true);
        return StartResult::Refused;
    }
    if (!m_players.checkNames()) {
        return StartResult::Refused;
    }
    m_players.storePlayers();

    if (progress != nullptr) {
        progress->begin();
    }
    m_services.sound.stop();
    const auto fail = [&](const QString& message) {
        if (progress != nullptr) {
            progress->end(false);
        }
        m_services.dialog.notice(message, kOwnMessageWidth, true);
        return StartResult::Failed;
    };

    const QString folder = m_services.windowsFolder + QLatin1Char('/');
    const PoolBuildResult built =
        buildQuestionPool(m_categories.chosen(), folder + QStringLiteral("fragen.tmp"),
                          m_services.clock, m_services.catalogue, progress);
    if (!built.ok()) {
        m_categories.removeRow(built.unreadablePath);
        m_categories.recount(playerCount);
        return fail(text(Msg::MsgCategoryUnreadable) + QFileInfo(built.unreadablePath).fileName());
    }
    const auto drawn = drawGameQuestions(built.pool, n, playerCount, m_services.random);
    if (!drawn) {
        return fail(text(Msg::MsgPoolTooFewDistinct));
    }
    QString error;
    if (!WriteQuestionFile(folder + QStringLiteral("game.log"), *drawn, &error)) {
        return fail(text(Msg::MsgGameListUnreadable));
    }
    if (progress != nullptr) {
        progress->report({}, 100);
        progress->end(true);
    }
    return m_engine.NeuesSpiel(m_players.gameData(perPlayer)) ? StartResult::Started
                                                              : StartResult::Failed;
}

}  // namespace trivanto
