#pragma once

#include <QByteArray>
#include <QString>

#include "core/common/result.h"

namespace trivanto {

// The whole file, or an error that names the file and the reason.
Result<QByteArray> readWholeFile(const QString& path);
// Writes the bytes as the whole file, atomically: the file is either replaced whole or left as
// it was. The error names the file and the reason.
Status writeWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace trivanto
