#pragma once

#include <QByteArray>
#include <QString>
#include <array>

#include "core/common/result.h"
#include "core/game/game_types.h"
#include "core/questions/question_file.h"

namespace trivanto {

// A saved game (".sav") is one fixed record of 134,852 bytes, integers little-endian, short
// strings as a length byte followed by their capacity in bytes.
inline constexpr int kSaveRecordSize = 134852;
inline constexpr int kSaveNameCapacity = 30;
inline constexpr int kSavePathCapacity = 200;

// Where each part of the record lies.
namespace save_offset {
inline constexpr int kQuestions = 0;            // the game question list, a TQuestionFile
inline constexpr int kNames = 133866;           // four short strings of capacity 30 (31 bytes each)
inline constexpr int kAccounts = 133992;        // after two bytes of padding; four signed 32-bit
inline constexpr int kPictureNumbers = 134008;  // four 32-bit
inline constexpr int kQuestionNumber = 134024;
inline constexpr int kCurrentPlayer = 134028;
inline constexpr int kPlayerCount = 134032;
inline constexpr int kOwnPictureFlags = 134036;  // one byte each, 1 = own picture
inline constexpr int kOwnPicturePaths = 134040;  // four short strings of capacity 200
inline constexpr int kQuestionsPerPlayer = 134844;
inline constexpr int kRandomOrder = 134848;  // one byte, then three bytes of padding
}  // namespace save_offset

// The record as stored, field by field and unchecked: any file of the right length decodes.
// Names are Windows-1252 texts; the own-picture paths stay bytes, because a path outside the
// code page is stored as UTF-8 (see saved_game.h).
struct TSaveRecord {
    TQuestionFile questions;
    std::array<QString, kMaxPlayers> names;
    std::array<qint32, kMaxPlayers> Account{};
    std::array<qint32, kMaxPlayers> pictureNumber{};
    qint32 QuestionNumber = 0;
    qint32 CurrentPlayer = 0;
    qint32 PlayerCount = 0;
    std::array<quint8, kMaxPlayers> ownPictureFlag{};
    std::array<QByteArray, kMaxPlayers> ownPicturePath;
    qint32 QuestionsPerPlayer = 0;
    quint8 RandomOrder = 0;
};

// The 134,852 bytes of a record; texts longer than their field are cut, padding is zero.
QByteArray saveRecordToBytes(const TSaveRecord& record);
// Exactly 134,852 bytes, else an error; `name` is used in the error text only. A length byte
// above its field's capacity is taken as the capacity.
Result<TSaveRecord> saveRecordFromBytes(const QByteArray& bytes, const QString& name);

// Writes the record atomically: a failed write leaves an earlier file of the name as it was.
Status WriteSaveRecord(const QString& path, const TSaveRecord& record);

}  // namespace trivanto
