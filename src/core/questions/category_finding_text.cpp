// The authors' tool's English wording of the checks' findings.
#include "core/questions/category_checks.h"

#include <algorithm>

namespace trivanto {
namespace {

const char* const kSlotFieldNames[kFieldsPerEntry] = {"question", "answer 1", "answer 2",
                                                      "answer 3", "answer 4", "right answer"};
const char* const kHeaderFieldNames[kFieldsPerEntry] = {"signature", "notice", "date",
                                                        "time",      "title",  "second signature"};

QString storedFieldName(const CategoryFinding& f) {
    const int index = std::clamp(f.field, 0, kFieldsPerEntry - 1);
    return QLatin1String(f.inHeader ? kHeaderFieldNames[index] : kSlotFieldNames[index]);
}

QString textFieldName(int field) {
    return field == 0 ? QStringLiteral("the question") : QStringLiteral("answer %1").arg(field);
}

QString positionWord(int position, FindingPlace place) {
    return place == FindingPlace::RecordSlots ? QStringLiteral("slot %1").arg(position)
                                              : QStringLiteral("line %1").arg(position);
}

QString bareText(const CategoryFinding& f, FindingPlace place) {
    switch (f.kind) {
        case CheckKind::NoQuestions:
            return QStringLiteral("holds no questions");
        case CheckKind::TooManyQuestions:
            return QStringLiteral("question %1: a category holds at most %2 questions")
                .arg(kSlotCount + 1)
                .arg(kSlotCount);
        case CheckKind::QuestionEmpty:
            return QStringLiteral("the question is empty");
        case CheckKind::DuplicateQuestion:
            return place == FindingPlace::RecordSlots
                       ? QStringLiteral("the same question as slot %1").arg(f.number)
                       : QStringLiteral("the same question as on line %1").arg(f.number);
        case CheckKind::EstimateValue:
            return QStringLiteral(
                       "estimation value \"%1\" is not a whole number of at most 9 characters")
                .arg(f.value);
        case CheckKind::EstimationMarker:
            return QStringLiteral("estimation question whose answer %1 is not \"ife\"")
                .arg(f.field);
        case CheckKind::AnswerEmpty:
            return QStringLiteral("answer %1 is empty").arg(f.field);
        case CheckKind::AnswerIsMarker:
            return QStringLiteral(
                       "answer 2 \"%1\" would mark the question as an estimation or a "
                       "joker; write it differently")
                .arg(f.value);
        case CheckKind::CorrectInvalid:
            return QStringLiteral("right answer \"%1\" is not 1 to 4").arg(f.value);
        case CheckKind::Joker:
            return QStringLiteral("holds a joker, which belongs only in a game's question list");
        case CheckKind::TextNotCodePage:
            return QStringLiteral("%1 holds \"%2\" (U+%3), which Windows-1252 lacks")
                .arg(textFieldName(f.field), f.value)
                .arg(f.value.toUcs4().value(0), 4, 16, QLatin1Char('0'));
        case CheckKind::TextTooLong:
            return QStringLiteral("%1 is %2 characters long, at most %3 fit")
                .arg(textFieldName(f.field))
                .arg(f.number)
                .arg(kFieldCapacity);
        case CheckKind::ControlCharacter:
            return QStringLiteral(
                       "%1 holds a control character (U+%2), such as a line break or "
                       "a tab, that the game cannot show")
                .arg(f.inHeader ? QStringLiteral("the title") : textFieldName(f.field),
                     QString::number(f.number, 16).toUpper().rightJustified(4, QLatin1Char('0')));
        case CheckKind::TitleEmpty:
            return QStringLiteral(
                "the title is empty: the game would list the category without "
                "a name");
        case CheckKind::StoredLengthInvalid:
            return QStringLiteral("%1 claims %2 characters, at most %3 fit")
                .arg(storedFieldName(f))
                .arg(f.number)
                .arg(kFieldCapacity);
        case CheckKind::StoredByteInvalid:
            return QStringLiteral("%1 holds byte 0x%2, which is not a Windows-1252 character")
                .arg(storedFieldName(f), QString::number(f.number, 16).toUpper());
        case CheckKind::Gap:
            return QStringLiteral(
                       "empty, but a later slot is used (a gap): the game reads slots "
                       "1 to %1 and never reaches slot %2")
                .arg(f.number)
                .arg(f.value);
        case CheckKind::SimilarQuestion:
            return QStringLiteral("nearly the same question as %1 (only case or spacing differ)")
                .arg(positionWord(f.number, place));
        case CheckKind::SameAnswers:
            return QStringLiteral("answers %1 and %2 are the same").arg(f.number).arg(f.field);
        case CheckKind::AnswerSpread:
            return QStringLiteral(
                       "answers 1/2/3/4 are right %1 times: the game is fairer when "
                       "each is right about as often")
                .arg(f.value);
    }
    return {};
}

}  // namespace

QString findingText(const CategoryFinding& finding, FindingPlace place) {
    QString text;
    if (finding.inHeader) {
        text = QStringLiteral("header: ");
    } else if (place == FindingPlace::RecordSlots && finding.position > 0) {
        text = QStringLiteral("slot %1: ").arg(finding.position);
    }
    if (finding.advice()) {
        text += QStringLiteral("note: ");
    }
    return text + bareText(finding, place);
}

}  // namespace trivanto
