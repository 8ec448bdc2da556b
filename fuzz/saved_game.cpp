// Feeds arbitrary bytes to the saved-game reader and to the checks that turn a record into a
// game to continue.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/game/game_question_list.h"
#include "core/game/save_record.h"
#include "core/game/saved_game.h"

using namespace trivanto;

namespace {

// A good record: one player, ten questions, at the bet of question 1.
QByteArray goodRecord() {
    TSaveRecord record;
    record.questions =
        gameQuestionList(GameQuestions(10, QuestionSlot{QStringLiteral("Q"),
                                                        {QStringLiteral("A"), QStringLiteral("B"),
                                                         QStringLiteral("C"), QStringLiteral("D")},
                                                        QStringLiteral("1")}));
    for (int n = 0; n < kMaxPlayers; ++n) {
        record.names[size_t(n)] = QStringLiteral("Player %1").arg(n + 1);
    }
    record.Account[0] = 1000;
    record.QuestionNumber = 1;
    record.CurrentPlayer = 1;
    record.PlayerCount = 1;
    record.QuestionsPerPlayer = 10;
    return saveRecordToBytes(record);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto raw = saveRecordFromBytes(input, QStringLiteral("fuzz"));
    if (raw.ok() != (size == size_t(kSaveRecordSize))) {
        std::abort();  // exactly one whole record is read, nothing shorter or longer
    }
    // Any other input replaces the start of a good record's part after the question list,
    // so the names, counts, turn, pictures and paths all see fuzzed bytes.
    QByteArray bytes = input;
    if (!raw.ok()) {
        bytes = goodRecord();
        const qsizetype tail = kSaveRecordSize - save_offset::kNames;
        bytes.replace(save_offset::kNames, std::min(input.size(), tail), input.left(tail));
    }
    const auto record = saveRecordFromBytes(bytes, QStringLiteral("fuzz"));
    if (!record.ok()) {
        std::abort();
    }
    // What was read is written and read back unchanged.
    const QByteArray written = saveRecordToBytes(*record);
    const auto again = saveRecordFromBytes(written, QStringLiteral("again"));
    if (written.size() != kSaveRecordSize || !again.ok() || saveRecordToBytes(*again) != written) {
        std::abort();
    }
    // A record that passes the checks makes a game the engine can play.
    const auto restored = restoredGameOf(*record, QStringLiteral("/nonexistent/trivanto-fuzz"));
    if (!restored.ok()) {
        return 0;
    }
    const LoadedGame& game = restored->game;
    const int players = game.data.PlayerCount;
    const int n = players * game.data.QuestionsPerPlayer;
    if (players < 1 || players > kMaxPlayers || game.data.QuestionsPerPlayer < 1 ||
        n > kSlotCount || int(game.questions.size()) != n || game.QuestionNumber < 1 ||
        game.QuestionNumber > n || game.CurrentPlayer < 1 || game.CurrentPlayer > players) {
        std::abort();
    }
    for (int p = 0; p < players; ++p) {
        const SeatPicture& picture = game.data.pictures[size_t(p)];
        if (picture.kind == SeatPicture::Kind::Placeholder || picture.index < 0 ||
            picture.index >= kPictureCount) {
            std::abort();
        }
    }
    return 0;
}
