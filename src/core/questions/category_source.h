#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "core/common/result.h"
#include "core/questions/category_checks.h"
#include "core/questions/plain_question.h"
#include "core/questions/question_file.h"

namespace trivanto {

// The readable sources of a category (UTF-8), the way authors write them by hand and the way
// the editor and the authors' tool import and export them.
//
// JSON: a top-level array with one object per question, one per line: "question" and either
// "answers" (four texts) plus "correct" (1 to 4) or "estimate" (a whole number).
// CSV (RFC 4180 quoting): the header row question,answer1,answer2,answer3,answer4,correct; an
// estimation row has the value in answer1, answer2 to answer4 empty and "estimate" in correct.
enum class SourceFormat { Json, Csv };

// By the file name's suffix, ".json" or ".csv" in any case; nothing for any other.
std::optional<SourceFormat> sourceFormatOf(const QString& path);

// A problem of a source as its author is told of it; line 0 when it has no line. Advice is
// told the same way but does not keep the source from being used.
struct SourceProblem {
    int line = 0;
    QString text;
    bool advice = false;
};
using SourceProblems = std::vector<SourceProblem>;

// The questions read (positions are source lines) and what kept parts of them from being read.
struct ParsedSource {
    std::vector<PlainQuestion> questions;
    SourceProblems problems;
};

ParsedSource parseJsonSource(const QByteArray& bytes);
ParsedSource parseCsvSource(const QByteArray& bytes);
ParsedSource parseCategorySource(const QByteArray& bytes, SourceFormat format);

// Decodes UTF-8 (a leading byte order mark is dropped); on invalid bytes sets *badLine to the
// line that holds the first of them.
bool decodeUtf8(const QByteArray& bytes, QString* text, int* badLine);

// The question rules plus the count of a source: at least one question, at most 200.
CategoryFindings checkSourceQuestions(std::span<const PlainQuestion> questions);
// Everything to tell about a parsed source, by line: what the parser found and, when it read
// anything, the findings of the checks (advice only when asked for), in the tool's words.
SourceProblems reviewSource(const ParsedSource& parsed, bool withAdvice);

// The category record: the header with `title` and `savedAt`, the questions in slots 1 to N
// (at most 200), the other slots empty.
TQuestionFile buildCategory(std::span<const PlainQuestion> questions, const QString& title,
                            const QDateTime& savedAt);
// Every used slot of a record in order, positions being slot numbers. A gap (which the
// editor never leaves) is closed up, so no question is lost on the way to a source.
std::vector<PlainQuestion> categoryQuestions(const TQuestionFile& file);

// The sources the parsers read back as the same questions: the JSON one object per line, the
// CSV with CRLF line ends. What a source cannot express cleanly (a right answer other than 1 to
// 4, an estimation value that is not a whole number, a joker) is written as it stands, so the
// reader reports it instead of anything being lost.
QByteArray writeJsonSource(std::span<const PlainQuestion> questions);
QByteArray writeCsvSource(std::span<const PlainQuestion> questions);
QByteArray writeCategorySource(std::span<const PlainQuestion> questions, SourceFormat format);

}  // namespace trivanto
