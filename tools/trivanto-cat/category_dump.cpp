#include "category_dump.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace trivanto::cat {
namespace {

QString kindName(QuestionKind kind) {
    switch (kind) {
        case QuestionKind::Estimation:
            return QStringLiteral("estimation");
        case QuestionKind::Joker:
            return QStringLiteral("joker");
        case QuestionKind::MultipleChoice:
            break;
    }
    return QStringLiteral("multiple-choice");
}

}  // namespace

QByteArray dumpCategory(const TQuestionFile& file) {
    QJsonArray questions;
    const int count = CountQuestions(file);
    for (int s = 1; s <= count; ++s) {
        const TQuestionEntry& entry = file.entries[size_t(s)];
        const QuestionSlot slot = loadSlot(entry);
        QJsonObject object;
        object.insert(QStringLiteral("number"), s);
        object.insert(QStringLiteral("kind"), kindName(QuestionKindOf(entry)));
        object.insert(QStringLiteral("question"), slot.question);
        QJsonArray answers;
        for (const QString& answer : slot.answers) {
            answers.append(answer);
        }
        object.insert(QStringLiteral("answers"), answers);
        object.insert(QStringLiteral("correct"), slot.correct);
        questions.append(object);
    }
    QJsonObject root;
    root.insert(QStringLiteral("title"), categoryTitle(file));
    root.insert(QStringLiteral("questions"), questions);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace trivanto::cat
