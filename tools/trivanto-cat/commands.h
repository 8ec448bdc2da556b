#pragma once

#include <QString>
#include <QStringList>

namespace trivanto::cat {

// Exit statuses: 0 done and clean, 1 a file has problems or cannot be read or written,
// 2 the command line is wrong.
inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitUsage = 2;

int runDump(const QString& path);
int runBuild(const QString& source, const QString& output);
int runCheck(const QStringList& paths);
int runExport(const QString& path, const QString& output);

// A category holds at most 200 questions of five texts of 110 characters; even written with
// \u escapes and generous spacing its source stays far below this.
inline constexpr qint64 kMaxSourceBytes = qint64(4) << 20;

// `text` with every control character written out (\n, \r, \t, else \xHH or \u{HHHH}), so a
// text from a file or a command line stays on the one line of its problem.
QString escapeControls(const QString& text);

// Output helpers: UTF-8 to stdout / one line to stderr.
void printOut(const QByteArray& utf8);
void printError(const QString& line);

}  // namespace trivanto::cat
