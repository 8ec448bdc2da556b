#include "core/questions/question_file.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>
#include <type_traits>

#include "core/common/whole_file.h"
#include "core/text/cp1252.h"

namespace trivanto {

// The record is read and written with one memcpy, so it must have no padding.
static_assert(sizeof(TQuestionFile) == kQuestionFileSize);
static_assert(sizeof(TQuestionEntry) == kEntrySize);
static_assert(std::is_trivially_copyable_v<TQuestionFile>);
static_assert(sizeof(kHeaderNotice) - 1 == 34);

// "§": not 0, and a character that question texts hardly ever hold.
const quint8 ScrambleKey = 0xA7;

namespace {

void scrambleInPlace(char* data, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i) {
        data[i] = char(quint8(data[i]) ^ ScrambleKey);
    }
}

void storeBytes(TQuestionField& field, const QByteArray& bytes, bool scrambled) {
    const int length = int(std::min<qsizetype>(bytes.size(), kFieldCapacity));
    field.fill(0);
    field[0] = quint8(length);
    std::memcpy(field.data() + 1, bytes.constData(), size_t(length));
    if (scrambled) {
        scrambleInPlace(reinterpret_cast<char*>(field.data() + 1), length);
    }
}

bool fieldEquals(const TQuestionField& field, const char* plain, bool scrambled) {
    const size_t length = std::strlen(plain);
    if (field[0] != length) {
        return false;
    }
    for (size_t i = 0; i < length; ++i) {
        const quint8 stored = scrambled ? quint8(field[i + 1] ^ ScrambleKey) : field[i + 1];
        if (stored != quint8(plain[i])) {
            return false;
        }
    }
    return true;
}

// The user's long time format without the time zone, which the clock of a save does not need.
QString longTimeText(const QTime& time) {
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b"));
    format.remove(zone);
    return QLocale::system().toString(time, format.trimmed());
}

}  // namespace

QByteArray ScrambleText(const QByteArray& text) {
    QByteArray out = text;
    scrambleInPlace(out.data(), out.size());
    return out;
}

QByteArray LoadFieldBytes(const TQuestionField& field, bool scrambled) {
    const int length = std::min<int>(field[0], kFieldCapacity);
    QByteArray bytes(reinterpret_cast<const char*>(field.data() + 1), length);
    if (scrambled) {
        scrambleInPlace(bytes.data(), bytes.size());
    }
    return bytes;
}

void StoreField(TQuestionField& field, const QString& text, bool scrambled) {
    storeBytes(field, toCp1252(text), scrambled);
}

QString LoadField(const TQuestionField& field, bool scrambled) {
    return fromCp1252(LoadFieldBytes(field, scrambled));
}

int CountQuestions(const TQuestionFile& file) {
    int count = 0;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (file.entries[size_t(slot)].fields[FieldQuestion][0] > 0) {
            ++count;
        }
    }
    return count;
}

QuestionKind QuestionKindOf(const TQuestionEntry& entry) {
    const TQuestionField& marker = entry.fields[FieldAnswer2];
    if (fieldEquals(marker, kEstimationMarker, true)) {
        return QuestionKind::Estimation;
    }
    if (fieldEquals(marker, kJokerMarker, true)) {
        return QuestionKind::Joker;
    }
    return QuestionKind::MultipleChoice;
}

QuestionKind QuestionKindOf(const QuestionSlot& slot) {
    if (slot.answers[1] == QLatin1String(kEstimationMarker)) {
        return QuestionKind::Estimation;
    }
    if (slot.answers[1] == QLatin1String(kJokerMarker)) {
        return QuestionKind::Joker;
    }
    return QuestionKind::MultipleChoice;
}

QuestionSlot loadSlot(const TQuestionEntry& entry) {
    QuestionSlot slot;
    slot.question = LoadField(entry.fields[FieldQuestion], true);
    for (int i = 0; i < 4; ++i) {
        slot.answers[size_t(i)] = LoadField(entry.fields[size_t(FieldAnswer1 + i)], true);
    }
    slot.correct = LoadField(entry.fields[FieldCorrect], false);
    return slot;
}

void storeSlot(TQuestionEntry& entry, const QuestionSlot& slot) {
    StoreField(entry.fields[FieldQuestion], slot.question, true);
    for (int i = 0; i < 4; ++i) {
        StoreField(entry.fields[size_t(FieldAnswer1 + i)], slot.answers[size_t(i)], true);
    }
    StoreField(entry.fields[FieldCorrect], slot.correct, false);
}

void writeCategoryHeader(TQuestionFile& file, const QString& title, const QDateTime& savedAt) {
    auto& header = file.entries[0].fields;
    const QString signature = QString::fromLatin1(kHeaderSignature);
    StoreField(header[HeaderSignature], signature, false);
    StoreField(header[HeaderNotice], QString::fromLatin1(kHeaderNotice), false);
    StoreField(header[HeaderSavedDate],
               QStringLiteral("Datum: ") +
                   QLocale::system().toString(savedAt.date(), QLocale::ShortFormat),
               false);
    StoreField(header[HeaderSavedTime], QStringLiteral("Zeit: ") + longTimeText(savedAt.time()),
               false);
    StoreField(header[HeaderTitle], title, false);
    StoreField(header[HeaderSignatureAgain], signature, false);
}

QString categoryTitle(const TQuestionFile& file) {
    return LoadField(file.entries[0].fields[HeaderTitle], false);
}

Result<TQuestionFile> questionFileFromBytes(const QByteArray& bytes, const QString& name) {
    if (bytes.size() < kQuestionFileSize) {
        return Status::failure(QStringLiteral("%1: holds %2 bytes, a question file has %3")
                                   .arg(name)
                                   .arg(bytes.size())
                                   .arg(kQuestionFileSize));
    }
    TQuestionFile file;
    std::memcpy(&file, bytes.constData(), kQuestionFileSize);
    return file;
}

QByteArray questionFileToBytes(const TQuestionFile& file) {
    return QByteArray(reinterpret_cast<const char*>(&file), kQuestionFileSize);
}

Result<TQuestionFile> ReadQuestionFile(const QString& path) {
    // Only the record is read; whatever follows it is ignored (and dropped by the next save).
    const auto bytes = readFileStart(path, kQuestionFileSize, QStringLiteral("a question file"));
    if (!bytes) {
        return bytes.status();
    }
    return questionFileFromBytes(*bytes, QDir::toNativeSeparators(path));
}

Status WriteQuestionFile(const QString& path, const TQuestionFile& file) {
    return writeWholeFile(path, questionFileToBytes(file));
}

}  // namespace trivanto
