#include "core/setup/new_game_setup.h"

#include <QFileInfo>

#include "core/app/message_dialog.h"
#include "core/app/settings_saver.h"
#include "core/common/file_path.h"
#include "core/game/game_engine.h"
#include "core/game/game_question_list.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"
#include "core/lang/message_shapes.h"
#include "core/questions/question_file.h"
#include "core/setup/question_pool.h"

namespace trivanto {

NewGameSetup::NewGameSetup(const Services& services, GameEngine& engine, QObject* parent)
    : QObject(parent),
      m_services(services),
      m_engine(engine),
      m_players(m_services.settings, m_services.dialog, m_services.catalogue),
      m_categories(m_services.dialog, m_services.catalogue),
      m_pool(m_services.clock, m_services.catalogue) {
    m_pool.setPoolFileFailed(
        [this](const QString& reason) { notice(Msg::MsgPoolFileUnwritable, reason); });
}

NewGameSetup::~NewGameSetup() = default;

void NewGameSetup::load() {
    m_players.load();
    rebuildGameLengths();
}

void NewGameSetup::activate() {
    m_engine.Ursprung();
    m_players.activate();
    m_categories.build(m_services.paths.progDir, m_players.PlayerCount());
    rebuildGameLengths();
}

void NewGameSetup::setPlayerCount(int playerCount) {
    m_players.setPlayerCount(playerCount);
    m_categories.recount(m_players.PlayerCount());
    rebuildGameLengths();
}

void NewGameSetup::cancel() {
    m_services.sound.stop();
}

void NewGameSetup::rebuildGameLengths() {
    m_gameLengths = CategorySelection::gameLengthEntries(m_players.PlayerCount());
}

bool NewGameSetup::startGame(const QString& gameLength, SetupProgress* progress) {
    if (m_building) {
        return false;
    }
    const auto& text = [&](Msg key) { return m_services.catalogue.text(key); };
    const int playerCount = m_players.PlayerCount();
    bool ok = false;
    const int length = gameLength.trimmed().toInt(&ok);
    const int perPlayer = ok ? length / playerCount : 0;
    const int n = perPlayer * playerCount;
    if (!ok || n < 1 || n > kSlotCount) {
        notice(Msg::MsgGameLengthInvalid);
        return false;
    }
    if (m_categories.questionCount() < n) {
        notice(Msg::MsgTooFewQuestionsHead, QString::number(n) + text(Msg::MsgTooFewQuestionsTail));
        return false;
    }
    if (!m_players.checkNames()) {
        return false;
    }
    m_players.storePlayers();
    m_services.saver.save();

    m_building = true;
    m_perPlayer = perPlayer;
    m_progress = progress;
    if (m_progress != nullptr) {
        m_progress->begin();
    }
    m_services.sound.stop();
    m_pool.start(m_categories.chosen(),
                 filePath(m_services.paths.windowsFolder, QStringLiteral("fragen.tmp")), m_progress,
                 [this](PoolBuildResult built) { poolBuilt(std::move(built)); });
    return true;
}

void NewGameSetup::notice(Msg key, const QString& appended) {
    m_services.dialog.show(
        catalogueMessage(m_services.catalogue, key, DialogMode::Notice, appended));
}

void NewGameSetup::fail(Msg key, const QString& appended) {
    if (m_progress != nullptr) {
        m_progress->end(false);
    }
    m_building = false;
    notice(key, appended);
    emit finished(false);
}

void NewGameSetup::poolBuilt(PoolBuildResult built) {
    const int playerCount = m_players.PlayerCount();
    if (!built.ok()) {
        m_categories.removeRow(built.unreadablePath);
        m_categories.recount(playerCount);
        fail(Msg::MsgCategoryUnreadable, QFileInfo(built.unreadablePath).fileName());
        return;
    }
    auto drawn =
        drawGameQuestions(built.pool, m_perPlayer * playerCount, playerCount, m_services.random);
    if (!drawn) {
        fail(Msg::MsgPoolTooFewDistinct);
        return;
    }
    // Saved games take their questions from this file. Its write waits for the disk, longer
    // than a frame when the disk is busy, so a worker writes it while the waiting window stays
    // live; the game begins when the event loop hears that it is written.
    m_drawn = std::move(*drawn);
    m_gameListJob.start(filePath(m_services.paths.windowsFolder, QStringLiteral("game.log")),
                        questionFileToBytes(gameQuestionList(*m_drawn)),
                        [this](const Status& written) { gameListWritten(written); });
}

void NewGameSetup::gameListWritten(const Status& written) {
    if (!written.ok()) {
        m_drawn.reset();
        fail(Msg::MsgGameListUnwritable, written.error());
        return;
    }
    if (m_progress != nullptr) {
        m_progress->report({}, 100);
        m_progress->end(true);
    }
    m_building = false;
    GameQuestions drawn = std::move(*m_drawn);
    m_drawn.reset();
    const bool started = m_engine.NeuesSpiel(m_players.gameData(m_perPlayer), std::move(drawn));
    emit finished(started);
}

}  // namespace trivanto
