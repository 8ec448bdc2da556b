#pragma once

#include <QString>

#include "core/questions/category_source.h"

namespace trivanto {

// An estimation question as the editor keeps it: the exact value first, "ife" in the other
// three answers.
inline PlainQuestion estimationQuestion(const QString& question, const QString& value) {
    PlainQuestion q;
    q.kind = QuestionKind::Estimation;
    q.question = question;
    q.answers = {value, QStringLiteral("ife"), QStringLiteral("ife"), QStringLiteral("ife")};
    q.correct = QStringLiteral("1");
    return q;
}

}  // namespace trivanto
