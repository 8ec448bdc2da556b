#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "core/game/game_engine.h"
#include "core/questions/question_file.h"
#include "support/fake_services.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace trivanto::gametest {

inline QuestionSlot mcSlot(const QString& question, const QString& correct = QStringLiteral("1")) {
    return {question,
            {question + QStringLiteral(" A1"), question + QStringLiteral(" A2"),
             question + QStringLiteral(" A3"), question + QStringLiteral(" A4")},
            correct};
}

inline QuestionSlot estimationSlot(const QString& question, const QString& exact) {
    return {question,
            {exact, QStringLiteral("ife"), QStringLiteral("ife"), QStringLiteral("ife")},
            QStringLiteral("1")};
}

inline QuestionSlot jokerSlot() {
    return {QStringLiteral("Joker!"),
            {QStringLiteral("joker"), QStringLiteral("joker"), QStringLiteral("joker"),
             QStringLiteral("joker")},
            QStringLiteral("3")};
}

// A game engine on fakes.
class GameFixture : public ::testing::Test {
protected:
    GameFixture() { engine = std::make_unique<GameEngine>(fakes.services()); }

    // A game of `players` × `perPlayer` list (multiple choice unless given) that has started;
    // with random order, the draw has run to its end.
    void startGame(int players, int perPlayer, std::vector<QuestionSlot> list = {},
                   bool randomOrder = false) {
        beginGame(players, perPlayer, std::move(list), randomOrder);
        finishTransition();
    }

    // The same, but with random order the draw is left at its start.
    void beginGame(int players, int perPlayer, std::vector<QuestionSlot> list = {},
                   bool randomOrder = false) {
        for (int i = static_cast<int>(list.size()); i < players * perPlayer; ++i) {
            list.push_back(mcSlot(QStringLiteral("Q%1").arg(i + 1)));
        }
        NewGameData data;
        data.PlayerCount = players;
        data.QuestionsPerPlayer = perPlayer;
        data.RandomOrder = randomOrder;
        data.names = {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy"),
                      QStringLiteral("Dee")};
        for (int n = 0; n < kMaxPlayers; ++n) {
            data.pictures[static_cast<std::size_t>(n)] = SeatPicture::builtIn(n + 2);
        }
        ASSERT_TRUE(engine->NeuesSpiel(data, std::move(list)));
    }

    // Lets a running draw and its pause end.
    void finishTransition() {
        while (engine->inTransition() && clock.advanceToNextTimer()) {
        }
    }

    // Bets and answers the current multiple-choice question (its right answer is 1).
    void playTurn(const QString& bet, bool right) {
        ASSERT_TRUE(engine->EinsatzPruefen(bet)) << bet.toStdString();
        engine->chooseAnswer(right ? 1 : 2);
        engine->proceed();
        finishTransition();
    }

    QString msg(Msg key) const { return catalogue.text(key); }
    qint32 account(int n) const { return engine->state().account(n); }

    QTemporaryDir dir;
    FakeServices fakes{QStringLiteral("prog"), dir.path()};
    MemorySettingsStore& settings = fakes.settings;
    ManualClock& clock = fakes.clock;
    ScriptedRandom& random = fakes.random;
    RecordingMessageDialog& dialog = fakes.dialog;
    RecordingSoundBackend& backend = fakes.soundBackend;
    MessageCatalogue& catalogue = fakes.catalogue;
    std::unique_ptr<SoundCues>& sound = fakes.cues;
    std::unique_ptr<GameEngine> engine;
};

}  // namespace trivanto::gametest
