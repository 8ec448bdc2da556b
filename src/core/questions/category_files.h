#pragma once

#include <QString>
#include <QStringList>

namespace trivanto {

// The categories of a folder are its files that match "*.trv"; there is no index file. Their
// names, sorted by name. The setup's list and the editor's open dialog both start here.
QStringList categoryFileNames(const QString& folder);

// Whether the file can be opened and holds a whole question file, without reading it: what
// ReadQuestionFile needs to succeed.
bool categoryFileReadable(const QString& path);

}  // namespace trivanto
