#pragma once

#include <QByteArray>
#include <QString>

#include "core/common/result.h"

namespace trivanto {

// The first `maxBytes` bytes of a file (all of a shorter one). A folder, a file that cannot
// be opened or read gives an error that names the file; `kind` says what the file should
// have been ("a question file").
Result<QByteArray> readFileStart(const QString& path, qint64 maxBytes, const QString& kind);

// Writes `bytes` as the whole content of `path` through a temporary file that replaces the
// target only once everything is written: a failed or interrupted write leaves an earlier
// file of that name as it was. The failure names the file, the step and the system's reason.
Status writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace trivanto
