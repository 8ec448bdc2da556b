#include "commands.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTimeZone>
#include <cstdio>

#include "category_dump.h"
#include "core/common/whole_file.h"
#include "core/questions/category_checks.h"
#include "core/questions/category_source.h"
#include "core/questions/category_title.h"
#include "core/questions/question_file.h"

namespace trivanto::cat {
namespace {

// SOURCE_DATE_EPOCH makes builds reproducible: the header then carries that moment (UTC).
QDateTime saveMoment() {
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok && epoch >= 0) {
        return QDateTime::fromSecsSinceEpoch(epoch, QTimeZone::utc());
    }
    return QDateTime::currentDateTime();
}

// "FILE:LINE: text", or "FILE: text" without a line.
QString located(const QString& file, int line, const QString& text) {
    const QString name = QDir::toNativeSeparators(file);
    if (line > 0) {
        return QStringLiteral("%1:%2: %3").arg(name).arg(line).arg(text);
    }
    return QStringLiteral("%1: %2").arg(name, text);
}

QString titleProblem(const QString& title) {
    const QString what = QStringLiteral("the category title (the output file name)");
    switch (checkCategoryTitle(title)) {
        case TitleVerdict::Valid:
            return {};
        case TitleVerdict::Empty:
            return QStringLiteral("the output file name gives an empty category title");
        case TitleVerdict::ForbiddenCharacter:
            return what + QStringLiteral(" holds one of \\ / : * \" < > |");
        case TitleVerdict::ControlCharacter:
            return what + QStringLiteral(" holds a control character");
        case TitleVerdict::NotCodePage:
            return what + QStringLiteral(" holds characters Windows-1252 lacks");
        case TitleVerdict::TooLong:
            return what + QStringLiteral(" is too long: at most %1 characters").arg(kFieldCapacity);
        case TitleVerdict::Hidden:
            return what + QStringLiteral(" begins with \".\", which hides the file");
    }
    return {};
}

// A category file as read for check and export; prints why when it cannot be read.
std::optional<TQuestionFile> readCategory(const QString& path) {
    Result<TQuestionFile> read = ReadQuestionFile(path);
    if (!read.ok()) {
        // The error names the file already.
        printError(read.error());
        return std::nullopt;
    }
    return std::move(read).value();
}

// Prints the check's findings of a category file; true when one of them is a problem.
bool printFindings(const QString& path, const TQuestionFile& file) {
    bool problems = false;
    const qint64 size = QFileInfo(path).size();
    if (size != kQuestionFileSize) {
        printError(located(path, 0,
                           QStringLiteral("is %1 bytes long, a category file has exactly %2")
                               .arg(size)
                               .arg(kQuestionFileSize)));
        problems = true;
    }
    for (const CategoryFinding& f : checkCategoryRecord(file)) {
        printError(located(path, 0, findingText(f, FindingPlace::RecordSlots)));
        problems = problems || !f.advice();
    }
    return problems;
}

}  // namespace

void printOut(const QByteArray& utf8) {
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    std::fflush(stdout);
}

QString escapeControls(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control) {
            out.append(c);
        } else if (c == QLatin1Char('\n')) {
            out.append(QLatin1String("\\n"));
        } else if (c == QLatin1Char('\r')) {
            out.append(QLatin1String("\\r"));
        } else if (c == QLatin1Char('\t')) {
            out.append(QLatin1String("\\t"));
        } else if (c.unicode() < 0x80) {
            out.append(QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')));
        } else {
            out.append(QStringLiteral("\\u{%1}").arg(c.unicode(), 4, 16, QLatin1Char('0')));
        }
    }
    return out;
}

void printError(const QString& line) {
    // Texts from files may hold line breaks or terminal controls: one problem, one line.
    const QByteArray bytes = escapeControls(line).toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int runDump(const QString& path) {
    const std::optional<TQuestionFile> file = readCategory(path);
    if (!file) {
        return kExitProblems;
    }
    printOut(dumpCategory(*file));
    return kExitOk;
}

int runBuild(const QString& source, const QString& output) {
    const std::optional<SourceFormat> format = sourceFormatOf(source);
    if (!format) {
        printError(located(source, 0, QStringLiteral("unknown source type, use .json or .csv")));
        return kExitProblems;
    }
    const Result<QByteArray> input = readWholeFile(source, kMaxSourceBytes);
    if (!input) {
        printError(input.error());
        return kExitProblems;
    }
    const ParsedSource parsed = parseCategorySource(*input, *format);
    bool refused = false;
    for (const SourceProblem& p : reviewSource(parsed, true)) {
        printError(located(source, p.line, p.text));
        refused = refused || !p.advice;
    }
    const QString title = categoryTitleOfFileName(QFileInfo(output).fileName());
    if (const QString problem = titleProblem(title); !problem.isEmpty()) {
        printError(located(output, 0, problem));
        refused = true;
    }
    if (refused) {
        return kExitProblems;
    }
    const Status written =
        WriteQuestionFile(output, buildCategory(parsed.questions, title, saveMoment()));
    if (!written) {
        printError(written.error());
        return kExitProblems;
    }
    return kExitOk;
}

int runCheck(const QStringList& paths) {
    int status = kExitOk;
    for (const QString& path : paths) {
        const std::optional<TQuestionFile> file = readCategory(path);
        if (!file || printFindings(path, *file)) {
            status = kExitProblems;
        }
    }
    return status;
}

int runExport(const QString& path, const QString& output) {
    const std::optional<SourceFormat> format = sourceFormatOf(output);
    if (!format) {
        printError(located(output, 0, QStringLiteral("unknown source type, use .json or .csv")));
        return kExitProblems;
    }
    const std::optional<TQuestionFile> file = readCategory(path);
    if (!file) {
        return kExitProblems;
    }
    // Written even when the category has problems: they are easiest to mend in the source.
    const Status written =
        writeWholeFile(output, writeCategorySource(categoryQuestions(*file), *format));
    if (!written) {
        printError(written.error());
        return kExitProblems;
    }
    return printFindings(path, *file) ? kExitProblems : kExitOk;
}

}  // namespace trivanto::cat
