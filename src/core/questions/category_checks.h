#pragma once

#include <QString>
#include <span>
#include <vector>

#include "core/questions/plain_question.h"
#include "core/questions/question_file.h"

namespace trivanto {

// What the checks find in a category: problems keep the game from reading a question the way
// its author meant it (or break the file format); advice points at what makes a category
// weaker without breaking anything. The authors' tool and the editor run the same checks.
enum class CheckKind {
    // Problems.
    NoQuestions,          // a category or source without questions
    TooManyQuestions,     // more than 200; number = the count
    QuestionEmpty,        // a question without text
    DuplicateQuestion,    // number = the position of the first one
    EstimateValue,        // value = the estimation value that is not a whole number
    EstimationMarker,     // field = the answer (3 or 4) of an estimation question not "ife"
    AnswerEmpty,          // field = the answer 1 to 4
    AnswerIsMarker,       // answer 2 of a multiple-choice question reads "ife" or "joker"
    CorrectInvalid,       // value = the right answer as stored
    Joker,                // a joker slot, which only a game's question list holds
    TextNotCodePage,      // field; value = the first character Windows-1252 lacks
    TextTooLong,          // field; number = the length in bytes
    ControlCharacter,     // field (of the header for the title); number = the first one's code
    TitleEmpty,           // the title in the header is blank
    StoredLengthInvalid,  // field; number = the length byte (above 110)
    StoredByteInvalid,    // field; number = the byte the code page leaves undefined
    Gap,                  // an empty slot before a used one; number = N the game reads
    // Advice.
    SimilarQuestion,  // the same question but for case and spacing; number = the first one
    SameAnswers,      // field = the later answer; number = the earlier answer
    AnswerSpread,     // value = how often answers 1 to 4 are right, "a/b/c/d"
};

bool isAdvice(CheckKind kind);

// A field of a question slot (0 question, 1 to 4 answers, 5 right answer) or, for findings of
// the header, a header field.
struct CategoryFinding {
    CheckKind kind = CheckKind::QuestionEmpty;
    int position = 0;  // slot (category) or line (source); 0 for the whole category
    int field = -1;
    bool inHeader = false;
    int number = 0;
    QString value;

    bool advice() const { return isAdvice(kind); }
    friend bool operator==(const CategoryFinding&, const CategoryFinding&) = default;
};
using CategoryFindings = std::vector<CategoryFinding>;

// An estimation value the game can read: an optional "-" and digits, at most 9 characters.
bool isEstimateValue(const QString& text);

// The rules of single questions and of the category as a whole (which needs one question at
// least: "no questions" is told at position 0). With `textFit` every text is
// also tested against the code page and the 110 bytes of a field (texts typed or taken from a
// source); texts read from a file are tested byte by byte instead (checkCategoryRecord).
CategoryFindings checkQuestions(std::span<const PlainQuestion> questions, bool textFit);

// Every finding of a category record: header and slots byte by byte, the title, gaps, and the
// question rules for slots 1 up to the last used one. Positions are slot numbers.
CategoryFindings checkCategoryRecord(const TQuestionFile& file);

// How a finding is placed for the authors' tool: sources by line, category files by slot.
enum class FindingPlace { SourceLines, RecordSlots };
// The tool's English line for a finding: "slot N: " first for category files (a source line
// is printed by the caller), and "note: " before advice.
QString findingText(const CategoryFinding& finding, FindingPlace place);

}  // namespace trivanto
