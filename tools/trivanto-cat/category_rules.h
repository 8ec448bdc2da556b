#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "core/questions/question_file.h"
#include "problem.h"
#include "source_question.h"

namespace trivanto::cat {

// An estimation value the game can read: an optional "-" and digits, at most 9 characters.
bool isEstimateValue(const QString& text);
// Empty when `text` fits a field; otherwise why not (characters outside Windows-1252, more than
// 110 bytes). `what` names the field in the message ("question", "answer 2", ...).
QString fieldTextProblem(const QString& what, const QString& text);

// Everything that keeps the questions from making a clean category file.
Problems checkSourceQuestions(const std::vector<SourceQuestion>& questions);
// Problems of the title (taken from the output file name).
QString titleProblem(const QString& title);

// The category record: header with `title` and `savedAt`, slots 1 to N, the rest empty.
TQuestionFile buildCategory(const std::vector<SourceQuestion>& questions, const QString& title,
                            const QDateTime& savedAt);

}  // namespace trivanto::cat
