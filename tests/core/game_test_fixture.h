#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "core/app/memory_settings_store.h"
#include "core/game/game_engine.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"
#include "core/questions/question_file.h"
#include "support/manual_clock.h"
#include "support/recording_message_dialog.h"
#include "support/recording_sound_backend.h"
#include "support/scripted_random.h"

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

// A game engine on fakes, with "game.log" written into a temporary windows folder.
class GameFixture : public ::testing::Test {
protected:
    GameFixture() {
        catalogue.SetEnglishTexts();
        sound = std::make_unique<SoundCues>(settings, backend, QStringLiteral("prog/"));
        engine = std::make_unique<GameEngine>(
            GameServices{settings, clock, random, dialog, *sound, catalogue, dir.path()});
    }

    void writeGameList(const std::vector<QuestionSlot>& list) {
        TQuestionFile file;
        for (std::size_t i = 0; i < list.size(); ++i) {
            storeSlot(file.entries[i + 1], list[i]);
        }
        ASSERT_TRUE(WriteQuestionFile(dir.path() + QStringLiteral("/game.log"), file));
    }

    // A game of `players` × `perPlayer` list (multiple choice unless given) that has started.
    void startGame(int players, int perPlayer, std::vector<QuestionSlot> list = {},
                   bool randomOrder = false) {
        for (int i = static_cast<int>(list.size()); i < players * perPlayer; ++i) {
            list.push_back(mcSlot(QStringLiteral("Q%1").arg(i + 1)));
        }
        writeGameList(list);
        NewGameData data;
        data.PlayerCount = players;
        data.QuestionsPerPlayer = perPlayer;
        data.RandomOrder = randomOrder;
        data.names = {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy"),
                      QStringLiteral("Dee")};
        for (int n = 0; n < kMaxPlayers; ++n) {
            data.pictures[static_cast<std::size_t>(n)] = SeatPicture::builtIn(n + 2);
        }
        ASSERT_TRUE(engine->NeuesSpiel(data));
    }

    // Bets and answers the current multiple-choice question (its right answer is 1).
    void playTurn(const QString& bet, bool right) {
        ASSERT_TRUE(engine->EinsatzPruefen(bet)) << bet.toStdString();
        engine->AntwortButtonClick(right ? 1 : 2);
        engine->GoOnClick();
    }

    QString msg(Msg key) const { return catalogue.text(key); }
    qint32 account(int n) const { return engine->state().account(n); }

    QTemporaryDir dir;
    MemorySettingsStore settings;
    ManualClock clock;
    ScriptedRandom random;
    RecordingMessageDialog dialog;
    RecordingSoundBackend backend;
    MessageCatalogue catalogue;
    std::unique_ptr<SoundCues> sound;
    std::unique_ptr<GameEngine> engine;
};

}  // namespace trivanto::gametest
