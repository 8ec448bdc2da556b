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

// Output helpers: UTF-8 to stdout / one line to stderr.
void printOut(const QByteArray& utf8);
void printError(const QString& line);

}  // namespace trivanto::cat
