#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

#include "problem.h"

namespace trivanto::cat {

// One question of a category source, as the author wrote it.
struct SourceQuestion {
    int line = 0;
    // False when parsing already reported that part as missing or malformed.
    bool questionParsed = true;
    bool answersParsed = true;
    bool correctParsed = true;  // "correct", or "estimate" for an estimation question
    QString question;
    bool estimation = false;
    std::array<QString, 4> answers;  // multiple choice only
    int correct = 0;                 // 1 to 4 when valid, multiple choice only
    QString estimate;                // the value as text, estimation only
};

struct ParsedSource {
    std::vector<SourceQuestion> questions;
    Problems problems;
};

// The agreed JSON form: a top-level array of objects with "question" and either "answers" (four
// texts) plus "correct" (1 to 4) or "estimate" (a whole number).
ParsedSource parseJsonSource(const QByteArray& bytes);
// CSV with the header row question,answer1,answer2,answer3,answer4,correct (RFC 4180 quoting);
// an estimation row has the value in answer1, answer2 to answer4 empty and "estimate" in correct.
ParsedSource parseCsvSource(const QByteArray& bytes);

// Decodes UTF-8 (a leading byte order mark is dropped); on invalid bytes sets *badLine to the
// line that holds the first of them.
bool decodeUtf8(const QByteArray& bytes, QString* text, int* badLine);

}  // namespace trivanto::cat
