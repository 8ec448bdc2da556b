#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace trivanto::cat {

// One finding, printed as "FILE:LINE: text" (sources) or "FILE: text" (category files).
struct Problem {
    int line = 0;  // 0 when the problem has no line
    QString text;
};
using Problems = std::vector<Problem>;

QString formatProblem(const QString& file, const Problem& problem);

// The whole file as bytes, or an error text naming the file and the reason.
struct FileBytes {
    QByteArray bytes;
    QString error;
};
FileBytes readWholeFile(const QString& path);

}  // namespace trivanto::cat
