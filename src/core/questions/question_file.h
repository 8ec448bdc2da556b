#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>

#include "core/common/result.h"

namespace trivanto {

// A category file, the game question list "game.log" and the first block of a saved game
// share one fixed record: 201 entries of six length-prefixed Windows-1252 strings. Entry 0 is
// the header, entries 1 to 200 are the question slots.
inline constexpr int kFieldCapacity = 110;
inline constexpr int kFieldSize = 111;
inline constexpr int kFieldsPerEntry = 6;
inline constexpr int kEntrySize = kFieldSize * kFieldsPerEntry;  // 666
inline constexpr int kEntryCount = 201;
inline constexpr int kSlotCount = 200;
inline constexpr int kQuestionFileSize = kEntrySize * kEntryCount;  // 133,866

// The fields of a question slot; Correct is stored plain, the others scrambled.
enum QuestionField {
    FieldQuestion = 0,
    FieldAnswer1 = 1,
    FieldAnswer2 = 2,
    FieldAnswer3 = 3,
    FieldAnswer4 = 4,
    FieldCorrect = 5,
};

enum class QuestionKind { MultipleChoice, Estimation, Joker };

// Markers in Answer2 (compared exactly, case included).
inline constexpr char kEstimationMarker[] = "ife";
inline constexpr char kJokerMarker[] = "joker";
inline constexpr char kJokerQuestion[] = "Joker!";

using TQuestionField = std::array<quint8, kFieldSize>;

struct TQuestionEntry {
    std::array<TQuestionField, kFieldsPerEntry> fields{};
};

struct TQuestionFile {
    std::array<TQuestionEntry, kEntryCount> entries{};
};

// The one key that scrambles question and answer texts (XOR, its own inverse).
extern const quint8 ScrambleKey;

QByteArray ScrambleText(const QByteArray& text);
// The stored text of a field as Windows-1252 bytes, unscrambled if asked. A length byte above
// 110 (a damaged file) is taken as 110: the text never reaches into the next field.
QByteArray LoadFieldBytes(const TQuestionField& field, bool scrambled);
// Converts to Windows-1252 ("?" for other characters), cuts to 110 bytes, scrambles if asked.
void StoreField(TQuestionField& field, const QString& text, bool scrambled);
QString LoadField(const TQuestionField& field, bool scrambled);

int CountQuestions(const TQuestionFile& file);
QuestionKind QuestionKindOf(const TQuestionEntry& entry);

// A question slot in plain text, for code that works on whole questions.
struct QuestionSlot {
    QString question;
    std::array<QString, 4> answers;
    QString correct;  // "1" to "4" as stored
};
QuestionSlot loadSlot(const TQuestionEntry& entry);
QuestionKind QuestionKindOf(const QuestionSlot& slot);
void storeSlot(TQuestionEntry& entry, const QuestionSlot& slot);

// Header texts of a category file.
inline constexpr char kHeaderSignature[] = "<<< Header >>>";
inline constexpr char kHeaderNotice[] = "Copyright 2000 velmora engineering";
enum HeaderField {
    HeaderSignature = 0,
    HeaderNotice = 1,
    HeaderSavedDate = 2,
    HeaderSavedTime = 3,
    HeaderTitle = 4,
    HeaderSignatureAgain = 5,
};

// Rebuilds the header of a category file: signature, notice, "Datum: ", "Zeit: ", title.
void writeCategoryHeader(TQuestionFile& file, const QString& title, const QDateTime& savedAt);
QString categoryTitle(const TQuestionFile& file);

// Takes the first 133,866 bytes; fewer bytes, a missing file or a folder give an error that
// names the file.
Result<TQuestionFile> ReadQuestionFile(const QString& path);
// `name` is used in the error text only.
Result<TQuestionFile> questionFileFromBytes(const QByteArray& bytes, const QString& name);
QByteArray questionFileToBytes(const TQuestionFile& file);
// Writes the whole record atomically; the failure names the file and the reason.
Status WriteQuestionFile(const QString& path, const TQuestionFile& file);

}  // namespace trivanto
