#include "core/questions/plain_question.h"

namespace trivanto {

PlainQuestion plainQuestionOf(const TQuestionEntry& entry, int slot) {
    const QuestionSlot stored = loadSlot(entry);
    PlainQuestion q;
    q.position = slot;
    q.kind = QuestionKindOf(entry);
    q.question = stored.question;
    q.answers = stored.answers;
    q.correct = stored.correct;
    return q;
}

void storePlainQuestion(TQuestionEntry& entry, const PlainQuestion& question) {
    QuestionSlot slot;
    slot.question = question.question;
    slot.answers = question.answers;
    slot.correct = question.correct;
    if (question.kind == QuestionKind::Estimation) {
        const QString marker = QLatin1String(kEstimationMarker);
        slot.answers = {question.answers[0], marker, marker, marker};
        slot.correct = QStringLiteral("1");
    }
    storeSlot(entry, slot);
}

}  // namespace trivanto
