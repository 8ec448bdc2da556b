#include "core/questions/plain_question.h"

#include <algorithm>

namespace trivanto {

bool sameContent(const PlainQuestion& a, const PlainQuestion& b) {
    return a.kind == b.kind && a.question == b.question && a.answers == b.answers &&
           a.correct == b.correct;
}

bool sameContent(std::span<const PlainQuestion> a, std::span<const PlainQuestion> b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const PlainQuestion& x, const PlainQuestion& y) { return sameContent(x, y); });
}

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
