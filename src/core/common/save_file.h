#pragma once

#include <QByteArray>
#include <QString>

#include "core/common/result.h"

class QFileDevice;
class QSaveFile;

namespace trivanto {

// Writes all of `bytes`; false with the reason in the file's errorString(). A disk that fills
// up takes part of a write and refuses the rest, and Qt reports that part as a short write
// without a reason; writing on from where it stopped meets the refusal itself, and the
// system's reason ("No space left on device") with it.
bool writeAll(QFileDevice& file, const QByteArray& bytes);

// Ends the writing of an open QSaveFile: pushes out what is still buffered, then replaces the
// target. Qt's commit() alone reports success when that last push fails (a full disk), and
// the target is then replaced by a cut file. On failure the new file is dropped, the target
// stays as it was, and the error is the system's reason ("No space left on device").
Status commitSaveFile(QSaveFile& file);

// Replaces `path` with `bytes` in one step. The error names the file and gives the system's
// reason: "PATH: cannot be written: Permission denied".
Status saveWholeFile(const QString& path, const QByteArray& bytes);
// The same for callers that name the file themselves: the error is the system's reason alone.
Status replaceFile(const QString& path, const QByteArray& bytes);

// Why no file can be written at `path` now, found by trying beside it without touching it:
// "is a folder", "Permission denied", "No space left on device". Empty when a write works.
QString writeProblem(const QString& path);

}  // namespace trivanto
