#include "server/server_options.h"

#include <QCommandLineParser>

namespace trivanto {

namespace {

const QString kDefaultDatabase = QStringLiteral("sqlite:toplist.sqlite");

struct NumberOption {
    const char* name;
    int* target;
    int minimum;
};

// "HOST:PORT", "[IPv6]:PORT" or ":PORT" (every address).
bool readListen(const QString& text, QHostAddress& address, quint16& port) {
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) {
        return false;
    }
    bool ok = false;
    const uint value = text.mid(colon + 1).toUInt(&ok);
    if (!ok || value > 65535) {
        return false;
    }
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'))) {
        host = host.mid(1, host.size() - 2);
    }
    if (host.isEmpty()) {
        address = QHostAddress::Any;
    } else if (host == QLatin1String("localhost")) {
        address = QHostAddress::LocalHost;
    } else if (!address.setAddress(host)) {
        return false;
    }
    port = quint16(value);
    return true;
}

}  // namespace

QString serverUsage() {
    return QStringLiteral(
        "Usage: trivanto-server [options]\n"
        "  --listen ADDRESS:PORT      where to listen (127.0.0.1:8080; :8080 for every address)\n"
        "  --base PATH                path of toplist.pl and toplist.dat (/orvalquest/top50)\n"
        "  --database ADDRESS         sqlite:FILE (sqlite:toplist.sqlite) or\n"
        "                             postgresql://USER@HOST:PORT/DATABASE; the password is\n"
        "                             read from TRIVANTO_DB_PASSWORD\n"
        "  --static DIR               also serve the files of DIR under /\n"
        "  --list-size N              places in the served list (50)\n"
        "  --sends-per-hour N         results one address may send per hour (30)\n"
        "  --requests-per-minute N    requests one address may make per minute (240)\n"
        "  --max-connections N        open connections at once (256)\n"
        "  --help                     this text\n");
}

Result<ServerOptions> parseServerOptions(const QStringList& arguments,
                                         const QProcessEnvironment& environment) {
    QCommandLineParser parser;
    const QCommandLineOption listen(QStringLiteral("listen"), {}, QStringLiteral("address"));
    const QCommandLineOption base(QStringLiteral("base"), {}, QStringLiteral("path"));
    const QCommandLineOption database(QStringLiteral("database"), {}, QStringLiteral("address"));
    const QCommandLineOption folder(QStringLiteral("static"), {}, QStringLiteral("dir"));
    const QCommandLineOption help(QStringLiteral("help"));
    parser.addOptions({listen, base, database, folder, help});
    ServerOptions options;
    const NumberOption numbers[] = {
        {"list-size", &options.server.listSize, 1},
        {"sends-per-hour", &options.server.sendsPerHour, 0},
        {"requests-per-minute", &options.server.requestsPerMinute, 0},
        {"max-connections", &options.server.maxConnections, 1},
    };
    for (const NumberOption& number : numbers) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(number.name), {}, QStringLiteral("n")));
    }
    if (!parser.parse(arguments)) {
        return Result<ServerOptions>::failure(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Result<ServerOptions>::failure(
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
    }
    options.help = parser.isSet(help);
    if (parser.isSet(listen) && !readListen(parser.value(listen), options.address, options.port)) {
        return Result<ServerOptions>::failure(
            QStringLiteral("--listen wants ADDRESS:PORT, not \"%1\"").arg(parser.value(listen)));
    }
    if (parser.isSet(base)) {
        options.server.basePath = parser.value(base);
        if (!options.server.basePath.startsWith(QLatin1Char('/'))) {
            return Result<ServerOptions>::failure(QStringLiteral("--base must start with /"));
        }
    }
    Result<DatabaseSettings> db =
        parseDatabaseAddress(parser.isSet(database) ? parser.value(database) : kDefaultDatabase);
    if (!db.ok()) {
        return Result<ServerOptions>::failure(db.error());
    }
    options.database = std::move(db.value());
    options.database.password = environment.value(QStringLiteral("TRIVANTO_DB_PASSWORD"));
    options.server.staticRoot = parser.value(folder);
    for (const NumberOption& number : numbers) {
        const QString name = QString::fromLatin1(number.name);
        if (!parser.isSet(name)) {
            continue;
        }
        bool ok = false;
        const int value = parser.value(name).toInt(&ok);
        if (!ok || value < number.minimum) {
            return Result<ServerOptions>::failure(
                QStringLiteral("--%1 wants a whole number of at least %2")
                    .arg(name)
                    .arg(number.minimum));
        }
        *number.target = value;
    }
    return options;
}

}  // namespace trivanto
