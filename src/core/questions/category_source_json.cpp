#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <cmath>

#include "core/questions/category_source.h"

namespace trivanto {
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

void readQuestion(const QJsonObject& object, PlainQuestion& q, SourceProblems& problems) {
    const auto problem = [&](const QString& text) { problems.push_back({q.position, text}); };
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
        q.kind = QuestionKind::Estimation;
        if (hasAnswers || hasCorrect) {
            problem(QStringLiteral("an estimation question has no \"answers\" or \"correct\""));
        }
        const QString marker = QLatin1String(kEstimationMarker);
        q.answers = {wholeNumberText(object.value(QStringLiteral("estimate"))), marker, marker,
                     marker};
        q.correct = QStringLiteral("1");
        if (q.answers[0].isEmpty()) {
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
        q.correct = QString::number(int(c));
    }
}

QString jsonString(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'"':
                out += QStringLiteral("\\\"");
                break;
            case u'\\':
                out += QStringLiteral("\\\\");
                break;
            case u'\b':
                out += QStringLiteral("\\b");
                break;
            case u'\f':
                out += QStringLiteral("\\f");
                break;
            case u'\n':
                out += QStringLiteral("\\n");
                break;
            case u'\r':
                out += QStringLiteral("\\r");
                break;
            case u'\t':
                out += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20) {
                    out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
                } else {
                    out += c;
                }
        }
    }
    out += QLatin1Char('"');
    return out;
}

// A whole number is written as a JSON number when that reads back as the same text ("007"
// and anything that is no number at all stay texts).
QString jsonNumberOrString(const QString& text) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (ok && text.size() <= 15 && QString::number(value) == text) {
        return text;
    }
    return jsonString(text);
}

}  // namespace

QByteArray writeJsonSource(std::span<const PlainQuestion> questions) {
    QString out = QStringLiteral("[\n");
    for (size_t i = 0; i < questions.size(); ++i) {
        const PlainQuestion& q = questions[i];
        out += QStringLiteral("{\"question\": ") + jsonString(q.question);
        if (q.kind == QuestionKind::Estimation) {
            out += QStringLiteral(", \"estimate\": ") + jsonNumberOrString(q.answers[0]);
        } else {
            QStringList answers;
            for (const QString& answer : q.answers) {
                answers.append(jsonString(answer));
            }
            out += QStringLiteral(", \"answers\": [") + answers.join(QStringLiteral(", ")) +
                   QStringLiteral("], \"correct\": ");
            const bool plainNumber = q.correct.size() == 1 && q.correct[0] >= QLatin1Char('1') &&
                                     q.correct[0] <= QLatin1Char('4');
            out += plainNumber ? q.correct : jsonString(q.correct);
        }
        out += i + 1 < questions.size() ? QStringLiteral("},\n") : QStringLiteral("}\n");
    }
    out += QStringLiteral("]\n");
    return out.toUtf8();
}

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
        PlainQuestion q;
        q.position = size_t(i) < lines.size() ? lines[size_t(i)] : 1;
        if (!array[i].isObject()) {
            result.problems.push_back(
                {q.position, QStringLiteral("a question must be an object {...}")});
            continue;
        }
        readQuestion(array[i].toObject(), q, result.problems);
        result.questions.push_back(q);
    }
    return result;
}

}  // namespace trivanto
