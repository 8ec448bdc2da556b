#pragma once

#include <QByteArray>
#include <QString>

namespace trivanto {

// Windows-1252, the code page of every file format and wire text of the game. In memory texts
// are QString; these functions are the only conversions at the boundary.
// A character outside the code page becomes "?" (a surrogate pair is one character, one "?").
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the
// control characters of the same number and encode back to their byte, so any byte string
// survives a decode/encode round trip.
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);
QString fromCp1252(const char* data, qsizetype size);
// True when every character of `text` exists in Windows-1252; the five stand-ins for the
// undefined bytes do not.
bool isCp1252(const QString& text);
// The character of one byte (a stand-in for the five undefined ones), as fromCp1252 gives it.
QChar cp1252Char(quint8 byte);
// True for the bytes that name a character of the code page (all but the five undefined).
bool isCp1252Byte(quint8 byte);

}  // namespace trivanto
