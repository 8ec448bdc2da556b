#include <QRegularExpression>
#include <QStringList>

#include "core/questions/category_source.h"

namespace trivanto {
namespace {

struct Record {
    int line = 0;
    QStringList fields;
};

// RFC 4180: fields separated by ",", records by CRLF or LF, a quoted field may hold commas,
// line breaks and doubled quotes. Returns false with a problem on malformed quoting.
bool splitRecords(const QString& text, std::vector<Record>& records, SourceProblem& problem) {
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        Record record{line, {}};
        QString field;
        bool endOfRecord = false;
        while (!endOfRecord) {
            field.clear();
            if (i < n && text[i] == QLatin1Char('"')) {
                const int quoteLine = line;
                ++i;
                bool closed = false;
                while (i < n) {
                    const QChar c = text[i++];
                    if (c == QLatin1Char('"')) {
                        if (i < n && text[i] == QLatin1Char('"')) {
                            field += c;
                            ++i;
                            continue;
                        }
                        closed = true;
                        break;
                    }
                    if (c == QLatin1Char('\n')) {
                        ++line;
                    }
                    field += c;
                }
                if (!closed) {
                    problem = {quoteLine, QStringLiteral("quoted field is never closed")};
                    return false;
                }
                if (i < n && text[i] != QLatin1Char(',') && text[i] != QLatin1Char('\n') &&
                    !(text[i] == QLatin1Char('\r') && i + 1 < n &&
                      text[i + 1] == QLatin1Char('\n'))) {
                    problem = {line, QStringLiteral("text after a closing quote")};
                    return false;
                }
            } else {
                while (i < n && text[i] != QLatin1Char(',') && text[i] != QLatin1Char('\n') &&
                       !(text[i] == QLatin1Char('\r') && i + 1 < n &&
                         text[i + 1] == QLatin1Char('\n'))) {
                    if (text[i] == QLatin1Char('"')) {
                        problem = {line, QStringLiteral("quote inside an unquoted field")};
                        return false;
                    }
                    field += text[i++];
                }
            }
            record.fields.append(field);
            if (i < n && text[i] == QLatin1Char(',')) {
                ++i;
                continue;
            }
            endOfRecord = true;
            if (i < n) {
                i += text[i] == QLatin1Char('\r') ? 2 : 1;
                ++line;
            }
        }
        const bool blank = record.fields.size() == 1 && record.fields[0].trimmed().isEmpty();
        if (!blank) {
            records.push_back(record);
        }
    }
    return true;
}

const QStringList kHeader = {QStringLiteral("question"), QStringLiteral("answer1"),
                             QStringLiteral("answer2"),  QStringLiteral("answer3"),
                             QStringLiteral("answer4"),  QStringLiteral("correct")};

void readRow(const Record& record, PlainQuestion& q, SourceProblems& problems) {
    const auto problem = [&](const QString& text) { problems.push_back({q.position, text}); };
    q.question = record.fields[0];
    const QString correct = record.fields[5].trimmed();
    if (correct.compare(QStringLiteral("estimate"), Qt::CaseInsensitive) == 0) {
        q.kind = QuestionKind::Estimation;
        const QString marker = QLatin1String(kEstimationMarker);
        q.answers = {record.fields[1].trimmed(), marker, marker, marker};
        q.correct = QStringLiteral("1");
        static const QRegularExpression digits(QStringLiteral("^-?[0-9]+$"));
        if (!digits.match(q.answers[0]).hasMatch()) {
            problem(QStringLiteral("estimate \"%1\" in answer1 is not a whole number")
                        .arg(q.answers[0]));
            q.correctParsed = false;
        }
        for (int i = 2; i <= 4; ++i) {
            if (!record.fields[i].isEmpty()) {
                problem(QStringLiteral("an estimation row leaves answer%1 empty").arg(i));
            }
        }
        return;
    }
    for (int i = 0; i < 4; ++i) {
        q.answers[size_t(i)] = record.fields[i + 1];
    }
    bool ok = false;
    const int number = correct.toInt(&ok);
    if (!ok || number < 1 || number > 4 || correct.size() != 1) {
        problem(QStringLiteral("correct \"%1\" must be 1 to 4, or \"estimate\"").arg(correct));
        q.correctParsed = false;
    } else {
        q.correct = correct;
    }
}

QString csvField(const QString& text) {
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quoted) {
        return text;
    }
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

}  // namespace

QByteArray writeCsvSource(std::span<const PlainQuestion> questions) {
    const QString lineEnd = QStringLiteral("\r\n");
    QString out = kHeader.join(QLatin1Char(',')) + lineEnd;
    for (const PlainQuestion& q : questions) {
        QStringList fields{csvField(q.question)};
        if (q.kind == QuestionKind::Estimation) {
            fields << csvField(q.answers[0]) << QString() << QString() << QString()
                   << QStringLiteral("estimate");
        } else {
            for (const QString& answer : q.answers) {
                fields << csvField(answer);
            }
            fields << csvField(q.correct);
        }
        out += fields.join(QLatin1Char(',')) + lineEnd;
    }
    return out.toUtf8();
}

ParsedSource parseCsvSource(const QByteArray& bytes) {
    ParsedSource result;
    QString text;
    int badLine = 0;
    if (!decodeUtf8(bytes, &text, &badLine)) {
        result.problems.push_back({badLine, QStringLiteral("not valid UTF-8")});
        return result;
    }
    std::vector<Record> records;
    SourceProblem problem;
    if (!splitRecords(text, records, problem)) {
        result.problems.push_back(problem);
        return result;
    }
    QStringList header;
    if (!records.empty()) {
        for (const QString& name : records.front().fields) {
            header.append(name.trimmed().toLower());
        }
    }
    if (header != kHeader) {
        result.problems.push_back(
            {records.empty() ? 1 : records.front().line,
             QStringLiteral("the first row must be: %1").arg(kHeader.join(QLatin1Char(',')))});
        return result;
    }
    for (size_t r = 1; r < records.size(); ++r) {
        PlainQuestion q;
        q.position = records[r].line;
        if (records[r].fields.size() != kHeader.size()) {
            result.problems.push_back(
                {q.position,
                 QStringLiteral("expected 6 fields, found %1").arg(records[r].fields.size())});
            continue;
        }
        readRow(records[r], q, result.problems);
        result.questions.push_back(q);
    }
    return result;
}

}  // namespace trivanto
