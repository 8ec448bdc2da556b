#pragma once

#include <QString>
#include <QUrl>

#include "core/common/result.h"

namespace trivanto {

struct LanguageSettings;

// Names and places of the update's files.

// "update" + UpdateFileExtension: the catalogue's name on the server.
QString catalogueRemoteName(const LanguageSettings& language);
// The catalogue in the program folder while the wizard runs: "update.ini".
QString catalogueLocalPath(const QString& progDir);
// Where a file from the update server is fetched to before it is used: its name with
// ".download" appended, so a fetch never touches a file of the program folder, not even one
// that happens to share the package's name.
QString downloadPath(const QString& progDir, const QString& name);
// UpdateBasePath (host, optional port and folder, no scheme) + name, as an http address.
QUrl updateUrl(const QString& updateBasePath, const QString& name);
// Renames `from` to `to` in one step, replacing a file of that name (both in one folder).
Status replaceFile(const QString& from, const QString& to);

}  // namespace trivanto
