#include "core/game/save_record.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

#include "core/common/whole_file.h"
#include "core/text/cp1252.h"

namespace trivanto {

namespace {

using namespace save_offset;

static_assert(kNames == kQuestionFileSize);
static_assert(kAccounts == kNames + kMaxPlayers * (kSaveNameCapacity + 1) + 2);
static_assert(kOwnPicturePaths + kMaxPlayers * (kSavePathCapacity + 1) == kQuestionsPerPlayer);
static_assert(kRandomOrder + 4 == kSaveRecordSize);

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

void putInt(QByteArray& out, int offset, qint32 value) {
    qToLittleEndian(value, out.data() + offset);
}

qint32 getInt(const QByteArray& in, int offset) {
    return qFromLittleEndian<qint32>(in.constData() + offset);
}

// A short string: the length byte, then the bytes; the rest of the field stays zero.
void putShortString(QByteArray& out, int offset, int capacity, const QByteArray& bytes) {
    const int length = static_cast<int>(std::min<qsizetype>(bytes.size(), capacity));
    out[offset] = static_cast<char>(length);
    std::memcpy(out.data() + offset + 1, bytes.constData(), static_cast<std::size_t>(length));
}

QByteArray getShortString(const QByteArray& in, int offset, int capacity) {
    const int length = std::min<int>(static_cast<quint8>(in[offset]), capacity);
    return in.mid(offset + 1, length);
}

}  // namespace

QByteArray saveRecordToBytes(const TSaveRecord& record) {
    QByteArray out(kSaveRecordSize, '\0');
    std::memcpy(out.data() + kQuestions, &record.questions, kQuestionFileSize);
    for (int n = 0; n < kMaxPlayers; ++n) {
        putShortString(out, kNames + n * (kSaveNameCapacity + 1), kSaveNameCapacity,
                       toCp1252(record.names[idx(n)]));
        putInt(out, kAccounts + 4 * n, record.Account[idx(n)]);
        putInt(out, kPictureNumbers + 4 * n, record.pictureNumber[idx(n)]);
        out[kOwnPictureFlags + n] = static_cast<char>(record.ownPictureFlag[idx(n)]);
        putShortString(out, kOwnPicturePaths + n * (kSavePathCapacity + 1), kSavePathCapacity,
                       record.ownPicturePath[idx(n)]);
    }
    putInt(out, kQuestionNumber, record.QuestionNumber);
    putInt(out, kCurrentPlayer, record.CurrentPlayer);
    putInt(out, kPlayerCount, record.PlayerCount);
    putInt(out, kQuestionsPerPlayer, record.QuestionsPerPlayer);
    out[kRandomOrder] = static_cast<char>(record.RandomOrder);
    return out;
}

Result<TSaveRecord> saveRecordFromBytes(const QByteArray& bytes, const QString& name) {
    if (bytes.size() != kSaveRecordSize) {
        return Status::failure(QStringLiteral("%1: holds %2 bytes, a saved game has %3")
                                   .arg(name)
                                   .arg(bytes.size())
                                   .arg(kSaveRecordSize));
    }
    TSaveRecord record;
    std::memcpy(&record.questions, bytes.constData() + kQuestions, kQuestionFileSize);
    for (int n = 0; n < kMaxPlayers; ++n) {
        record.names[idx(n)] = fromCp1252(
            getShortString(bytes, kNames + n * (kSaveNameCapacity + 1), kSaveNameCapacity));
        record.Account[idx(n)] = getInt(bytes, kAccounts + 4 * n);
        record.pictureNumber[idx(n)] = getInt(bytes, kPictureNumbers + 4 * n);
        record.ownPictureFlag[idx(n)] = static_cast<quint8>(bytes[kOwnPictureFlags + n]);
        record.ownPicturePath[idx(n)] = getShortString(
            bytes, kOwnPicturePaths + n * (kSavePathCapacity + 1), kSavePathCapacity);
    }
    record.QuestionNumber = getInt(bytes, kQuestionNumber);
    record.CurrentPlayer = getInt(bytes, kCurrentPlayer);
    record.PlayerCount = getInt(bytes, kPlayerCount);
    record.QuestionsPerPlayer = getInt(bytes, kQuestionsPerPlayer);
    record.RandomOrder = static_cast<quint8>(bytes[kRandomOrder]);
    return record;
}

Status WriteSaveRecord(const QString& path, const TSaveRecord& record) {
    return writeWholeFile(path, saveRecordToBytes(record));
}

}  // namespace trivanto
