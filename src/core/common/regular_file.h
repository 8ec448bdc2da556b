#pragma once

#include <QString>

namespace trivanto {

// Why `path` is no file to read or replace: "is a folder", or "is not a regular file" (a
// FIFO would block its reader, a device feed it without end). Empty when `path` is a regular
// file (links followed) or does not exist.
QString nonRegularFileProblem(const QString& path);

}  // namespace trivanto
