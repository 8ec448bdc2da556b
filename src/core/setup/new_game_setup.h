#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/app/services.h"
#include "core/common/file_write_job.h"
#include "core/lang/message_catalogue.h"
#include "core/setup/category_selection.h"
#include "core/setup/player_setup.h"
#include "core/setup/question_pool.h"

namespace trivanto {

class GameEngine;

// The new-game window's rules: players, categories, game length, and the start of a game
// (checks, then the pool built step by step on the clock, the draw, "game.log", and the
// engine's new game).
class NewGameSetup final : public QObject {
    Q_OBJECT

public:
    NewGameSetup(const Services& services, GameEngine& engine, QObject* parent = nullptr);
    ~NewGameSetup() override;

    PlayerSetup& players() { return m_players; }
    const PlayerSetup& players() const { return m_players; }
    CategorySelection& categories() { return m_categories; }
    const CategorySelection& categories() const { return m_categories; }

    // Reads the remembered players.
    void load();
    // Each opening: the empty board, a fresh category list, the player layout, the lengths.
    void activate();
    void setPlayerCount(int playerCount);
    // Cancel or close: the background music stops.
    void cancel();

    // MaxCombo's entries and the one selected after every rebuild.
    const QStringList& gameLengthEntries() const { return m_gameLengths; }
    int gameLengthIndex() const { return CategorySelection::kDefaultGameLengthIndex; }

    // "OK" with the text of MaxCombo. False when a check refused it (after its message; the
    // window stays as it is). True when the pool build has begun: it runs on the clock's
    // timers behind `progress`, and finished() tells how it ended.
    bool startGame(const QString& gameLength, SetupProgress* progress);
    // A game start is under way: the choices are fixed and no other action may begin.
    bool building() const { return m_building; }
    // The plain-text copy of the last pool is written after the game has begun; this
    // finishes it now.
    void waitForPoolFile() { m_pool.waitForPoolFile(); }
    // After the last category the game waits for "game.log", written on a worker; this
    // finishes that write now and goes on as the event loop would (tests).
    void waitForGameList() { m_gameListJob.wait(); }
    bool writingGameList() const { return m_gameListJob.running(); }

signals:
    // The game start has ended: `started` when the game runs, else after its message (the
    // players get the setup window back).
    void finished(bool started);

private:
    void rebuildGameLengths();
    void poolBuilt(PoolBuildResult built);
    void gameListWritten(const Status& written);
    // A catalogue notice in its dialog shape, with what the situation adds.
    void notice(Msg key, const QString& appended = {});
    void fail(Msg key, const QString& appended = {});

    Services m_services;
    GameEngine& m_engine;
    PlayerSetup m_players;
    CategorySelection m_categories;
    QuestionPoolBuilder m_pool;
    // The drawn questions wait here while "game.log" is written.
    std::optional<GameQuestions> m_drawn;
    FileWriteJob m_gameListJob;
    QStringList m_gameLengths;
    SetupProgress* m_progress = nullptr;
    int m_perPlayer = 0;
    bool m_building = false;
};

}  // namespace trivanto
