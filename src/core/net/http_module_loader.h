#pragma once

#include <QStringList>
#include <memory>

#include "core/common/result.h"
#include "core/net/http_client.h"

namespace trivanto {

// The folders the network module is looked for in, for an executable in `programFolder`: that
// folder (the build tree) and the game's installed modules folder.
QStringList httpModuleFolders(const QString& programFolder);

// Loads the network module from the first of `folders` that holds it and makes its client.
// The module stays loaded for the life of the process.
Result<std::unique_ptr<HttpClient>> loadHttpModule(const QStringList& folders);

}  // namespace trivanto
