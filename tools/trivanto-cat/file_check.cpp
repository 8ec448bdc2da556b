#include "file_check.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include "category_rules.h"
#include "core/text/cp1252.h"

namespace trivanto::cat {
namespace {

const char* const kFieldNames[kFieldsPerEntry] = {"question", "answer 1", "answer 2",
                                                  "answer 3", "answer 4", "right answer"};
const char* const kHeaderNames[kFieldsPerEntry] = {"signature", "notice", "date",
                                                   "time",      "title",  "second signature"};

// Length byte and code page of one stored field.
void checkStoredField(const TQuestionField& field, bool scrambled, const QString& where,
                      const char* name, Problems& problems) {
    if (field[0] > kFieldCapacity) {
        problems.push_back({0, QStringLiteral("%1: %2 claims %3 characters, at most %4 fit")
                                   .arg(where, QLatin1String(name))
                                   .arg(field[0])
                                   .arg(kFieldCapacity)});
    }
    for (const char byte : LoadFieldBytes(field, scrambled)) {
        if (!isCp1252Byte(quint8(byte))) {
            problems.push_back(
                {0, QStringLiteral("%1: %2 holds byte 0x%3, which is not a Windows-1252 character")
                        .arg(where, QLatin1String(name),
                             QString::number(quint8(byte), 16).toUpper())});
            break;
        }
    }
}

void checkSlot(const TQuestionEntry& entry, const QString& where, Problems& problems) {
    const auto problem = [&](const QString& text) {
        problems.push_back({0, where + QStringLiteral(": ") + text});
    };
    for (int f = 0; f < kFieldsPerEntry; ++f) {
        checkStoredField(entry.fields[size_t(f)], f != FieldCorrect, where, kFieldNames[f],
                         problems);
    }
    const QuestionSlot slot = loadSlot(entry);
    const QString marker = QLatin1String(kEstimationMarker);
    switch (QuestionKindOf(entry)) {
        case QuestionKind::Joker:
            problem(QStringLiteral("holds a joker, which belongs only in a game's question list"));
            return;
        case QuestionKind::Estimation:
            if (!isEstimateValue(slot.answers[0])) {
                problem(QStringLiteral("estimation value \"%1\" is not a whole number of at most 9 "
                                       "characters")
                            .arg(slot.answers[0]));
            }
            for (int i = 2; i < 4; ++i) {
                if (slot.answers[size_t(i)] != marker) {
                    problem(QStringLiteral("estimation question whose answer %1 is not \"ife\"")
                                .arg(i + 1));
                }
            }
            break;
        case QuestionKind::MultipleChoice:
            for (int i = 0; i < 4; ++i) {
                if (slot.answers[size_t(i)].isEmpty()) {
                    problem(QStringLiteral("answer %1 is empty").arg(i + 1));
                }
            }
            break;
    }
    if (slot.correct.size() != 1 || slot.correct[0] < QLatin1Char('1') ||
        slot.correct[0] > QLatin1Char('4')) {
        problem(QStringLiteral("right answer \"%1\" is not 1 to 4").arg(slot.correct));
    }
}

}  // namespace

Problems checkCategoryRecord(const TQuestionFile& file) {
    Problems problems;
    for (int f = 0; f < kFieldsPerEntry; ++f) {
        checkStoredField(file.entries[0].fields[size_t(f)], false, QStringLiteral("header"),
                         kHeaderNames[f], problems);
    }
    int lastUsed = 0;
    for (int s = 1; s <= kSlotCount; ++s) {
        if (file.entries[size_t(s)].fields[FieldQuestion][0] > 0) {
            lastUsed = s;
        }
    }
    const int count = CountQuestions(file);
    QHash<QByteArray, int> seen;  // question bytes -> slot
    for (int s = 1; s <= lastUsed; ++s) {
        const TQuestionEntry& entry = file.entries[size_t(s)];
        const QString where = QStringLiteral("slot %1").arg(s);
        const QByteArray question = LoadFieldBytes(entry.fields[FieldQuestion], true);
        if (question.isEmpty()) {
            problems.push_back(
                {0, QStringLiteral("%1: empty, but a later slot is used (a gap): the game reads "
                                   "slots 1 to %2 and never reaches slot %3")
                        .arg(where)
                        .arg(count)
                        .arg(lastUsed)});
            continue;
        }
        if (const auto it = seen.constFind(question); it != seen.constEnd()) {
            problems.push_back(
                {0, QStringLiteral("%1: the same question as slot %2").arg(where).arg(it.value())});
        } else {
            seen.insert(question, s);
        }
        checkSlot(entry, where, problems);
    }
    return problems;
}

Problems checkCategoryFile(const QString& path) {
    const auto read = ReadQuestionFile(path);
    if (!read.ok()) {
        // The error names the file already; the caller prefixes it, so drop it here.
        const QString prefix = QDir::toNativeSeparators(path) + QStringLiteral(": ");
        QString text = read.error();
        if (text.startsWith(prefix)) {
            text.remove(0, prefix.size());
        }
        return {{0, text}};
    }
    Problems problems;
    const qint64 size = QFileInfo(path).size();
    if (size != kQuestionFileSize) {
        problems.push_back({0, QStringLiteral("is %1 bytes long, a category file has exactly %2")
                                   .arg(size)
                                   .arg(kQuestionFileSize)});
    }
    for (Problem& p : checkCategoryRecord(*read)) {
        problems.push_back(std::move(p));
    }
    return problems;
}

}  // namespace trivanto::cat
