#pragma once

#include <QString>
#include <array>
#include <span>

#include "core/questions/question_file.h"

namespace trivanto {

// One question in plain text, the way the checks, the source files and the editor see it. An
// estimation question has its value in answers[0] and the markers in answers[1] to answers[3].
struct PlainQuestion {
    int position = 0;
    QuestionKind kind = QuestionKind::MultipleChoice;
    QString question;
    std::array<QString, 4> answers;
    QString correct;  // "1" to "4" when valid
    // False where a source parser has already reported the part as missing or malformed.
    bool questionParsed = true;
    bool answersParsed = true;
    bool correctParsed = true;
};

// The same question, wherever it stands: kind, texts and right answer.
bool sameContent(const PlainQuestion& a, const PlainQuestion& b);
bool sameContent(std::span<const PlainQuestion> a, std::span<const PlainQuestion> b);

// A used slot in plain text, its kind told by answer 2 (slot number as position).
PlainQuestion plainQuestionOf(const TQuestionEntry& entry, int slot);
// Stores the question into a slot: texts scrambled, an estimation question with its markers
// and right answer "1", anything else as it stands.
void storePlainQuestion(TQuestionEntry& entry, const PlainQuestion& question);

}  // namespace trivanto
