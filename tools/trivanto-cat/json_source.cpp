#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <cmath>

#include "source_question.h"

namespace trivanto::cat {
namespace {

int lineAt(const QByteArray& bytes, qsizetype offset) {
    return int(QByteArrayView(bytes).first(std::min(offset, bytes.size())).count('\n')) + 1;
}

// Line of every element of the top-level array, in order. The text is valid JSON already.
std::vector<int> elementLines(const QByteArray& bytes) {
    std::vector<int> lines;
    int line = 1;
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    bool expectValue = false;
    for (const char c : bytes) {
        if (c == '\n') {
            ++line;
        }
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (depth == 1 && expectValue && c != ' ' && c != '\t' && c != '\r' && c != '\n' &&
            c != ']') {
            lines.push_back(line);
            expectValue = false;
        }
        switch (c) {
            case '"':
                inString = true;
                break;
            case '[':
            case '{':
                ++depth;
                expectValue = depth == 1;
                break;
            case ']':
            case '}':
                --depth;
                break;
            case ',':
                expectValue = depth == 1;
                break;
            default:
                break;
        }
    }
    return lines;
}

// A whole number as text, from a JSON number or a string of digits; empty when it is neither.
QString wholeNumberText(const QJsonValue& value) {
    if (value.isDouble()) {
        const double v = value.toDouble();
        if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) {
            return QString::number(qint64(v));
        }
        return {};
    }
    static const QRegularExpression digits(QStringLiteral("^-?[0-9]+$"));
    if (value.isString() && digits.match(value.toString()).hasMatch()) {
        return value.toString();
    }
    return {};
}

void readQuestion(const QJsonObject& object, SourceQuestion& q, Problems& problems) {
    const auto problem = [&](const QString& text) { problems.push_back({q.line, text}); };
    static const QStringList known = {QStringLiteral("question"), QStringLiteral("answers"),
                                      QStringLiteral("correct"), QStringLiteral("estimate")};
    for (const QString& key : object.keys()) {
        if (!known.contains(key)) {
            problem(QStringLiteral("unknown field \"%1\"").arg(key));
        }
    }
    const QJsonValue question = object.value(QStringLiteral("question"));
    if (!question.isString()) {
        problem(QStringLiteral("\"question\" is missing or not a text"));
        q.questionParsed = false;
    }
    q.question = question.toString();

    const bool hasAnswers = object.contains(QStringLiteral("answers"));
    const bool hasCorrect = object.contains(QStringLiteral("correct"));
    if (object.contains(QStringLiteral("estimate"))) {
        q.estimation = true;
        if (hasAnswers || hasCorrect) {
            problem(QStringLiteral("an estimation question has no \"answers\" or \"correct\""));
        }
        q.estimate = wholeNumberText(object.value(QStringLiteral("estimate")));
        if (q.estimate.isEmpty()) {
            problem(QStringLiteral("\"estimate\" is not a whole number"));
            q.correctParsed = false;
        }
        return;
    }
    const QJsonValue answers = object.value(QStringLiteral("answers"));
    const QJsonArray list = answers.toArray();
    if (!answers.isArray() || list.size() != 4) {
        problem(QStringLiteral("\"answers\" must be a list of four texts (or give \"estimate\")"));
        q.answersParsed = false;
    } else {
        for (int i = 0; i < 4; ++i) {
            if (!list[i].isString()) {
                problem(QStringLiteral("answer %1 is not a text").arg(i + 1));
                q.answersParsed = false;
            }
            q.answers[size_t(i)] = list[i].toString();
        }
    }
    const QJsonValue correct = object.value(QStringLiteral("correct"));
    const double c = correct.toDouble(0);
    if (!correct.isDouble() || c != std::floor(c) || c < 1 || c > 4) {
        problem(QStringLiteral("\"correct\" must be a number from 1 to 4"));
        q.correctParsed = false;
    } else {
        q.correct = int(c);
    }
}

}  // namespace

ParsedSource parseJsonSource(const QByteArray& raw) {
    ParsedSource result;
    QString text;
    int badLine = 0;
    if (!decodeUtf8(raw, &text, &badLine)) {
        result.problems.push_back({badLine, QStringLiteral("not valid UTF-8")});
        return result;
    }
    const QByteArray bytes = raw.startsWith("\xEF\xBB\xBF") ? raw.mid(3) : raw;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        result.problems.push_back({lineAt(bytes, error.offset),
                                   QStringLiteral("invalid JSON: %1").arg(error.errorString())});
        return result;
    }
    if (!doc.isArray()) {
        result.problems.push_back(
            {1, QStringLiteral("expected a list of questions: [ {...}, {...} ]")});
        return result;
    }
    const QJsonArray array = doc.array();
    const std::vector<int> lines = elementLines(bytes);
    for (qsizetype i = 0; i < array.size(); ++i) {
        SourceQuestion q;
        q.line = size_t(i) < lines.size() ? lines[size_t(i)] : 1;
        if (!array[i].isObject()) {
            result.problems.push_back(
                {q.line, QStringLiteral("a question must be an object {...}")});
            continue;
        }
        readQuestion(array[i].toObject(), q, result.problems);
        result.questions.push_back(q);
    }
    return result;
}

}  // namespace trivanto::cat
