#pragma once

#include <QByteArray>
#include <QString>

#include "core/common/result.h"

namespace trivanto {

// The whole file, or an error that names the file and the reason.
Result<QByteArray> readWholeFile(const QString& path);
// The first `maxBytes` bytes of a file (all of a shorter one), for records of a fixed size:
// a file far too long is never read whole. `kind` says what the file should have been ("a
// saved game") in the error.
Result<QByteArray> readFileStart(const QString& path, qint64 maxBytes, const QString& kind);
// Writes the bytes as the whole file, atomically: the file is either replaced whole or left as
// it was. The error names the file and the reason.
Status writeWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace trivanto
