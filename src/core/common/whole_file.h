#pragma once

#include <QByteArray>
#include <QString>

#include "core/common/result.h"

namespace trivanto {

// The whole file, or an error that names the file and the reason. Only a regular file is read
// (a FIFO would hold the reader, a device feed it without end); with `maxBytes` >= 0 a file
// larger than that is refused.
Result<QByteArray> readWholeFile(const QString& path, qint64 maxBytes = -1);
// The first `maxBytes` bytes of a file (all of a shorter one), for records of a fixed size:
// a file far too long is never read whole. `kind` says what the file should have been ("a
// saved game") in the error.
Result<QByteArray> readFileStart(const QString& path, qint64 maxBytes, const QString& kind);
// Writes the bytes as the whole file, atomically: the file is either replaced whole or left as
// it was. The error names the file and the system's reason (saveWholeFile).
Status writeWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace trivanto
