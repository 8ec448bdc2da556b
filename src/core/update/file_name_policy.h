#pragma once

#include <QString>

namespace trivanto {

// Rules for the names that reach the program folder from the update server: package files,
// archive entries and start files. The server and every archive may be hostile, so a name is
// taken only when it can name nothing but one plain file directly in the program folder.

// Why a name was refused; empty when it is fine.
using NameProblem = QString;

// A name that is a single plain file name: not empty, not "." or "..", not hidden (a leading
// "."), no "/" or "\", no ":", no control characters, at most 255 bytes as UTF-8.
NameProblem plainFileNameProblem(const QString& name);

// Whether `name` is one of the program's own files, which an update never replaces: names
// without an extension (the executables), programs, scripts and libraries, settings and INI
// files (the update catalogue included), saved games and desktop entries.
bool isProgramOwnFile(const QString& name);

// What becomes of one archive entry, named as stored in the archive (folders separated by "/").
struct ArchiveEntryTarget {
    enum class Kind { File, Folder, Skip };
    Kind kind = Kind::Skip;
    QString fileName;  // Kind::File: the name in the program folder (the folders dropped)
    QString reason;    // Kind::Skip: why
};

// The folder names are dropped, so every file lands directly in the program folder. Entries
// whose stored name is absolute, holds a backslash, a drive letter, a "." or ".." part, control
// characters or an empty part, and entries whose file name is not plain or is one of the
// program's own files, are skipped. Names ending in "/" are folders, which make nothing.
ArchiveEntryTarget archiveEntryTarget(const QString& storedName);

// Why a package file named by the catalogue cannot be fetched into the program folder; empty
// when it can.
NameProblem packageFileNameProblem(const QString& name);

}  // namespace trivanto
