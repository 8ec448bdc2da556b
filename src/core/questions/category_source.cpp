#include "core/questions/category_source.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace trivanto {

std::optional<SourceFormat> sourceFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("json")) {
        return SourceFormat::Json;
    }
    if (suffix == QStringLiteral("csv")) {
        return SourceFormat::Csv;
    }
    return std::nullopt;
}

ParsedSource parseCategorySource(const QByteArray& bytes, SourceFormat format) {
    return format == SourceFormat::Json ? parseJsonSource(bytes) : parseCsvSource(bytes);
}

QByteArray writeCategorySource(std::span<const PlainQuestion> questions, SourceFormat format) {
    return format == SourceFormat::Json ? writeJsonSource(questions) : writeCsvSource(questions);
}

bool decodeUtf8(const QByteArray& bytes, QString* text, int* badLine) {
    QByteArrayView data(bytes);
    if (data.startsWith("\xEF\xBB\xBF")) {
        data = data.sliced(3);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = decoder.decode(data);
    if (!decoder.hasError()) {
        return true;
    }
    // Find the first line that does not decode on its own.
    int line = 1;
    qsizetype start = 0;
    while (start <= data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0) {
            end = data.size();
        }
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        (void)QString(lineDecoder.decode(data.sliced(start, end - start)));
        if (lineDecoder.hasError()) {
            break;
        }
        ++line;
        start = end + 1;
    }
    *badLine = line;
    return false;
}

CategoryFindings checkSourceQuestions(std::span<const PlainQuestion> questions) {
    CategoryFindings findings;
    if (questions.size() > size_t(kSlotCount)) {
        findings.push_back({CheckKind::TooManyQuestions,
                            questions[size_t(kSlotCount)].position,
                            -1,
                            false,
                            int(questions.size()),
                            {}});
    }
    for (CategoryFinding& f : checkQuestions(questions, true)) {
        if (f.kind == CheckKind::NoQuestions) {
            f.position = 1;  // a source without questions is told at its first line
        }
        findings.push_back(std::move(f));
    }
    return findings;
}

SourceProblems reviewSource(const ParsedSource& parsed, bool withAdvice) {
    SourceProblems problems = parsed.problems;
    // After a fatal parse error (nothing read) the question rules have nothing to say.
    if (problems.empty() || !parsed.questions.empty()) {
        for (const CategoryFinding& f : checkSourceQuestions(parsed.questions)) {
            if (withAdvice || !f.advice()) {
                problems.push_back(
                    {f.position, findingText(f, FindingPlace::SourceLines), f.advice()});
            }
        }
    }
    std::stable_sort(
        problems.begin(), problems.end(),
        [](const SourceProblem& a, const SourceProblem& b) { return a.line < b.line; });
    return problems;
}

TQuestionFile buildCategory(std::span<const PlainQuestion> questions, const QString& title,
                            const QDateTime& savedAt) {
    TQuestionFile file;
    writeCategoryHeader(file, title, savedAt);
    const size_t count = std::min(questions.size(), size_t(kSlotCount));
    for (size_t i = 0; i < count; ++i) {
        storePlainQuestion(file.entries[i + 1], questions[i]);
    }
    return file;
}

std::vector<PlainQuestion> categoryQuestions(const TQuestionFile& file) {
    std::vector<PlainQuestion> questions;
    questions.reserve(size_t(CountQuestions(file)));
    for (int s = 1; s <= kSlotCount; ++s) {
        const TQuestionEntry& entry = file.entries[size_t(s)];
        if (entry.fields[FieldQuestion][0] > 0) {
            questions.push_back(plainQuestionOf(entry, s));
        }
    }
    return questions;
}

}  // namespace trivanto
