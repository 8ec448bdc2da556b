#include "category_rules.h"

#include <QHash>
#include <QRegularExpression>

#include "core/text/cp1252.h"

namespace trivanto::cat {

bool isEstimateValue(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+$"));
    return text.size() <= 9 && number.match(text).hasMatch();
}

QString fieldTextProblem(const QString& what, const QString& text) {
    if (!isCp1252(text)) {
        QString outside;
        for (const char32_t c : text.toUcs4()) {
            const QString one = QString::fromUcs4(&c, 1);
            if (!isCp1252(one)) {
                outside = one;
                break;
            }
        }
        return QStringLiteral("%1 holds \"%2\" (U+%3), which Windows-1252 lacks")
            .arg(what, outside)
            .arg(outside.toUcs4().value(0), 4, 16, QLatin1Char('0'));
    }
    const qsizetype bytes = toCp1252(text).size();
    if (bytes > kFieldCapacity) {
        return QStringLiteral("%1 is %2 characters long, at most %3 fit")
            .arg(what)
            .arg(bytes)
            .arg(kFieldCapacity);
    }
    return {};
}

QString titleProblem(const QString& title) {
    if (title.isEmpty()) {
        return QStringLiteral("the output file name gives an empty category title");
    }
    return fieldTextProblem(QStringLiteral("the category title (the output file name)"), title);
}

Problems checkSourceQuestions(const std::vector<SourceQuestion>& questions) {
    Problems problems;
    if (questions.empty()) {
        problems.push_back({1, QStringLiteral("holds no questions")});
    }
    if (questions.size() > size_t(kSlotCount)) {
        problems.push_back({questions[size_t(kSlotCount)].line,
                            QStringLiteral("question %1: a category holds at most %2 questions")
                                .arg(kSlotCount + 1)
                                .arg(kSlotCount)});
    }
    QHash<QString, int> seen;  // question text -> line
    for (const SourceQuestion& q : questions) {
        const auto problem = [&](const QString& text) {
            if (!text.isEmpty()) {
                problems.push_back({q.line, text});
            }
        };
        // A question that failed to parse has its missing or malformed parts reported already.
        if (q.question.trimmed().isEmpty()) {
            if (q.questionParsed) {
                problem(QStringLiteral("the question is empty"));
            }
        } else if (const auto it = seen.constFind(q.question); it != seen.constEnd()) {
            problem(QStringLiteral("the same question as on line %1").arg(it.value()));
        } else {
            seen.insert(q.question, q.line);
        }
        problem(fieldTextProblem(QStringLiteral("the question"), q.question));
        if (q.estimation) {
            if (q.correctParsed && !isEstimateValue(q.estimate)) {
                problem(QStringLiteral("estimate \"%1\" is not a whole number of at most 9 "
                                       "characters")
                            .arg(q.estimate));
            }
            continue;
        }
        for (int i = 0; i < 4; ++i) {
            const QString& answer = q.answers[size_t(i)];
            const QString what = QStringLiteral("answer %1").arg(i + 1);
            if (q.answersParsed && answer.trimmed().isEmpty()) {
                problem(what + QStringLiteral(" is empty"));
            }
            problem(fieldTextProblem(what, answer));
        }
        const QString second = q.answers[1];
        if (second == QLatin1String(kEstimationMarker) || second == QLatin1String(kJokerMarker)) {
            problem(QStringLiteral("answer 2 \"%1\" would mark the question as an estimation or a "
                                   "joker; write it differently")
                        .arg(second));
        }
        if (q.correctParsed && (q.correct < 1 || q.correct > 4)) {
            problem(QStringLiteral("correct must be 1 to 4"));
        }
    }
    return problems;
}

TQuestionFile buildCategory(const std::vector<SourceQuestion>& questions, const QString& title,
                            const QDateTime& savedAt) {
    TQuestionFile file;
    writeCategoryHeader(file, title, savedAt);
    const QString marker = QLatin1String(kEstimationMarker);
    for (size_t i = 0; i < questions.size() && i < size_t(kSlotCount); ++i) {
        const SourceQuestion& q = questions[i];
        QuestionSlot slot;
        slot.question = q.question;
        if (q.estimation) {
            slot.answers = {q.estimate, marker, marker, marker};
            slot.correct = QStringLiteral("1");
        } else {
            slot.answers = q.answers;
            slot.correct = QString::number(q.correct);
        }
        storeSlot(file.entries[i + 1], slot);
    }
    return file;
}

}  // namespace trivanto::cat
