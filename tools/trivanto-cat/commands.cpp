#include "commands.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTimeZone>
#include <algorithm>
#include <cstdio>

#include "category_dump.h"
#include "category_rules.h"
#include "core/questions/question_file.h"
#include "file_check.h"
#include "source_question.h"

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

QString titleFromOutput(const QString& output) {
    QString name = QFileInfo(output).fileName();
    if (name.endsWith(QStringLiteral(".trv"), Qt::CaseInsensitive)) {
        name.chop(4);
    }
    return name;
}

}  // namespace

void printOut(const QByteArray& utf8) {
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    std::fflush(stdout);
}

void printError(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int runDump(const QString& path) {
    const auto read = ReadQuestionFile(path);
    if (!read.ok()) {
        printError(read.error());
        return kExitProblems;
    }
    printOut(dumpCategory(*read));
    return kExitOk;
}

int runBuild(const QString& source, const QString& output) {
    const QString suffix = QFileInfo(source).suffix().toLower();
    if (suffix != QStringLiteral("json") && suffix != QStringLiteral("csv")) {
        printError(
            formatProblem(source, {0, QStringLiteral("unknown source type, use .json or .csv")}));
        return kExitProblems;
    }
    const FileBytes input = readWholeFile(source);
    if (!input.error.isEmpty()) {
        printError(input.error);
        return kExitProblems;
    }
    const ParsedSource parsed = suffix == QStringLiteral("json") ? parseJsonSource(input.bytes)
                                                                 : parseCsvSource(input.bytes);
    Problems problems = parsed.problems;
    // After a fatal parse error (nothing read) the question rules have nothing to say.
    if (problems.empty() || !parsed.questions.empty()) {
        for (Problem& p : checkSourceQuestions(parsed.questions)) {
            problems.push_back(std::move(p));
        }
    }
    std::stable_sort(problems.begin(), problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    const QString title = titleFromOutput(output);
    if (const QString problem = titleProblem(title); !problem.isEmpty()) {
        problems.push_back({0, problem});
    }
    if (!problems.empty()) {
        for (const Problem& p : problems) {
            printError(formatProblem(p.line == 0 ? output : source, p));
        }
        return kExitProblems;
    }
    const Status written =
        WriteQuestionFile(output, buildCategory(parsed.questions, title, saveMoment()));
    if (!written.ok()) {
        printError(written.error());
        return kExitProblems;
    }
    return kExitOk;
}

int runCheck(const QStringList& paths) {
    int status = kExitOk;
    for (const QString& path : paths) {
        for (const Problem& p : checkCategoryFile(path)) {
            printError(formatProblem(path, p));
            status = kExitProblems;
        }
    }
    return status;
}

}  // namespace trivanto::cat
