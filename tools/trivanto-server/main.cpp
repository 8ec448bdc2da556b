// trivanto-server: the reference top-list server (and, on request, a server of update files).
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "core/app/real_clock.h"
#include "server/server_options.h"
#include "server/top_list_server.h"
#include "server/top_list_store.h"

using namespace trivanto;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Result<ServerOptions> options =
        parseServerOptions(app.arguments(), QProcessEnvironment::systemEnvironment());
    if (!options.ok()) {
        std::fprintf(stderr, "trivanto-server: %s\n\n%s", qPrintable(options.error()),
                     qPrintable(serverUsage()));
        return 2;
    }
    if (options->help) {
        std::printf("%s", qPrintable(serverUsage()));
        return 0;
    }
    if (!options->server.staticRoot.isEmpty() && !QDir(options->server.staticRoot).exists()) {
        std::fprintf(stderr, "trivanto-server: no folder %s\n",
                     qPrintable(options->server.staticRoot));
        return 1;
    }
    Result<std::unique_ptr<TopListStore>> store =
        TopListStore::open(options->database, QStringLiteral("toplist"));
    if (!store.ok()) {
        std::fprintf(stderr, "trivanto-server: %s\n", qPrintable(store.error()));
        return 1;
    }
    RealClock clock;
    TopListServer server(**store, clock, options->server);
    QObject::connect(&server, &TopListServer::logLine,
                     [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
    if (const Status listening = server.listen(options->address, options->port); !listening.ok()) {
        std::fprintf(stderr, "trivanto-server: %s\n", qPrintable(listening.error()));
        return 1;
    }
    std::fprintf(stderr, "trivanto-server: listening on %s port %u, serving %s/toplist.pl\n",
                 qPrintable(options->address.toString()), unsigned(server.port()),
                 qPrintable(options->server.basePath));
    return app.exec();
}
