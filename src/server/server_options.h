#pragma once

#include <QHostAddress>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "core/common/result.h"
#include "server/top_list_server.h"
#include "server/top_list_store.h"

namespace trivanto {

struct ServerOptions {
    QHostAddress address = QHostAddress::LocalHost;
    quint16 port = 8080;
    DatabaseSettings database;
    TopListServerSettings server;
    bool help = false;
};

// Reads the command line of trivanto-server (`arguments` with the program name first). The
// PostgreSQL password comes from TRIVANTO_DB_PASSWORD in `environment`.
Result<ServerOptions> parseServerOptions(const QStringList& arguments,
                                         const QProcessEnvironment& environment);
QString serverUsage();

}  // namespace trivanto
