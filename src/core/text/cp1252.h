#pragma once

#include <QByteArray>
#include <QString>

namespace trivanto {

// Windows-1252, the code page of every file format and wire text of the game. In memory texts
// are QString; these two functions are the only conversions at the boundary.
// A character outside the code page becomes "?".
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);
// True when every character of `text` exists in Windows-1252.
bool isCp1252(const QString& text);

}  // namespace trivanto
