#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include "core/common/result.h"

namespace trivanto {

// The list of the files an installed game ships (categories, sound cues, help pages, banner):
// name relative to the shipped folder ("help/index.html") -> SHA-256 as 64 lower-case hex
// digits. Stored in the form of sha256sum ("HASH  NAME" per line), so `sha256sum -c` checks it.
using ShippedManifest = QMap<QString, QByteArray>;

// The list beside the shipped files of an installed game; its presence marks the installed
// layout.
inline const QString kShippedManifestName = QStringLiteral("shipped-files.sha256");

// Whether `name` may stand in a list: relative, "/"-separated, no empty, "." or ".." part, no
// hidden part, no backslash or control character.
bool isSafeShippedName(const QString& name);

// Reads a list. A line that is not "HASH  NAME" (or "HASH *NAME"), an unsafe name or a name
// twice refuses the whole file with the line's number; empty lines are skipped.
Result<ShippedManifest> readShippedManifest(const QString& path);

// Writes the list sorted by name, whole or not at all.
Status writeShippedManifest(const QString& path, const ShippedManifest& manifest);

// The SHA-256 of a file as lower-case hex.
Result<QByteArray> fileSha256(const QString& path);

}  // namespace trivanto
