#include "core/editor/editor_finding_text.h"

namespace trivanto {

QString editorFindingText(const CategoryFinding& finding, const MessageCatalogue& catalogue) {
    const auto text = [&](Msg key) { return catalogue.text(key); };
    const CategoryFinding& f = finding;
    const QString slot =
        f.position > 0 && !f.inHeader
            ? text(Msg::MsgRecordPrefix) + QString::number(f.position) + QStringLiteral(": ")
            : QString();
    switch (f.kind) {
        case CheckKind::NoQuestions:
            return text(Msg::MsgCheckNoQuestions);
        case CheckKind::TooManyQuestions:
            return text(Msg::MsgCategoryFull);
        case CheckKind::QuestionEmpty:
            return slot + text(Msg::MsgCheckQuestionEmpty);
        case CheckKind::DuplicateQuestion:
            return slot + text(Msg::MsgCheckSameQuestion) + QString::number(f.number);
        case CheckKind::SimilarQuestion:
            return slot + text(Msg::MsgCheckSimilarQuestion) + QString::number(f.number);
        case CheckKind::EstimateValue:
            return slot + text(Msg::MsgCheckEstimateValue);
        case CheckKind::EstimationMarker:
            return slot + text(Msg::MsgCheckEstimationMarkers);
        case CheckKind::AnswerEmpty:
            return slot + text(Msg::MsgCheckAnswerEmpty) + QString::number(f.field);
        case CheckKind::AnswerIsMarker:
            return slot + text(Msg::MsgCheckAnswerIsMarker);
        case CheckKind::CorrectInvalid:
            return slot + text(Msg::MsgCheckNoRightAnswer);
        case CheckKind::Joker:
            return slot + text(Msg::MsgCheckJoker);
        case CheckKind::TextNotCodePage:
            return slot + text(Msg::MsgCheckNotCodePage) + f.value;
        case CheckKind::StoredByteInvalid:
            return slot + text(Msg::MsgCheckNotCodePage) + QStringLiteral("0x") +
                   QString::number(f.number, 16).toUpper();
        case CheckKind::TextTooLong:
        case CheckKind::StoredLengthInvalid:
            return slot + text(Msg::MsgCheckTooLong);
        case CheckKind::ControlCharacter:
            if (f.inHeader) {
                return text(Msg::MsgCheckTitleControl);
            }
            return f.field == 0
                       ? slot + text(Msg::MsgCheckControlInQuestion)
                       : slot + text(Msg::MsgCheckControlInAnswer) + QString::number(f.field);
        case CheckKind::TitleEmpty:
            return text(Msg::MsgCheckTitleEmpty);
        case CheckKind::Gap:
            return slot + text(Msg::MsgCheckGap);
        case CheckKind::SameAnswers:
            return slot + text(Msg::MsgCheckSameAnswers) + QString::number(f.number) +
                   text(Msg::MsgAndInfix) + QString::number(f.field);
        case CheckKind::AnswerSpread:
            return text(Msg::MsgCheckAnswerSpread) + f.value;
    }
    return {};
}

}  // namespace trivanto
