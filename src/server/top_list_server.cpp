#include "server/top_list_server.h"

#include <QFileInfo>
#include <QTcpSocket>

#include "core/scores/top_list_protocol.h"
#include "core/text/cp1252.h"
#include "server/server_connection.h"
#include "server/top_list_request.h"
#include "server/top_list_store.h"

namespace trivanto {

namespace {

constexpr qint64 kMinuteMs = 60 * 1000;
constexpr qint64 kHourMs = 60 * kMinuteMs;

ServerResponse errorResponse(int status, QString note = {}) {
    ServerResponse response;
    response.status = status;
    response.body = reasonPhrase(status) + '\n';
    response.note = std::move(note);
    return response;
}

ServerResponse notAllowed(const QByteArray& allowed) {
    ServerResponse response = errorResponse(405);
    response.addHeader("Allow", allowed);
    return response;
}

ServerResponse statusText(SendStatus status, QString note) {
    ServerResponse response;
    response.body = QByteArray::number(int(status)) + '\n';
    response.addHeader("Cache-Control", "no-store");
    response.note = QStringLiteral("status %1: %2").arg(QString::number(int(status)), note);
    return response;
}

// A field of a list line: never a "~" or a line break of its own.
QByteArray listField(const QString& text) {
    QByteArray bytes = toCp1252(text);
    for (char& c : bytes) {
        if (c == '~' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return bytes;
}

QString addressText(const QHostAddress& address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4).toString() : address.toString();
}

}  // namespace

QByteArray reasonPhrase(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 400:
            return "Bad Request";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 408:
            return "Request Timeout";
        case 413:
            return "Content Too Large";
        case 414:
            return "URI Too Long";
        case 429:
            return "Too Many Requests";
        case 431:
            return "Request Header Fields Too Large";
        case 500:
            return "Internal Server Error";
        case 501:
            return "Not Implemented";
        case 503:
            return "Service Unavailable";
        case 505:
            return "HTTP Version Not Supported";
        default:
            return "Error";
    }
}

TopListServer::TopListServer(TopListStore& store, Clock& clock, TopListServerSettings settings,
                             QObject* parent)
    : QObject(parent),
      m_store(store),
      m_clock(clock),
      m_settings(std::move(settings)),
      m_static(m_settings.staticRoot),
      m_requests(m_settings.requestsPerMinute, kMinuteMs),
      m_sends(m_settings.sendsPerHour, kHourMs) {
    while (m_settings.basePath.endsWith(QLatin1Char('/'))) {
        m_settings.basePath.chop(1);
    }
    connect(&m_server, &QTcpServer::newConnection, this, &TopListServer::onNewConnection);
}

TopListServer::~TopListServer() {
    m_server.close();
    // The connections report back to members that must still be there.
    qDeleteAll(findChildren<ServerConnection*>(Qt::FindDirectChildrenOnly));
}

Status TopListServer::listen(const QHostAddress& address, quint16 port) {
    if (!m_server.listen(address, port)) {
        return Status::failure(QStringLiteral("cannot listen on %1 port %2: %3")
                                   .arg(address.toString())
                                   .arg(port)
                                   .arg(m_server.errorString()));
    }
    return Status::success();
}

void TopListServer::onNewConnection() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        const QString address = addressText(socket->peerAddress());
        ++m_connections;
        const int fromAddress = ++m_connectionsPerAddress[address];
        auto* connection = new ServerConnection(*this, socket, address);
        emit connectionsChanged(m_connections);
        if (m_connections > m_settings.maxConnections ||
            fromAddress > m_settings.maxConnectionsPerAddress) {
            connection->refuse(503);
        } else {
            connection->start();
        }
    }
}

void TopListServer::connectionClosed(const QString& address) {
    --m_connections;
    auto found = m_connectionsPerAddress.find(address);
    if (found != m_connectionsPerAddress.end() && --found.value() <= 0) {
        m_connectionsPerAddress.erase(found);
    }
    emit connectionsChanged(m_connections);
}

ServerResponse TopListServer::respond(const HttpRequestHead& head, const QString& address) {
    if (!m_requests.allow(address, m_clock.tickMs())) {
        ServerResponse busy = errorResponse(429, QStringLiteral("request rate"));
        busy.addHeader("Retry-After", "60");
        return busy;
    }
    const std::optional<QByteArray> path = percentDecode(head.path);
    if (!path) {
        return errorResponse(400, QStringLiteral("broken escape in the path"));
    }
    const QByteArray base = m_settings.basePath.toUtf8();
    const bool get = head.method == "GET";
    const bool getOrHead = get || head.method == "HEAD";
    if (*path == base + "/toplist.pl") {
        // Sending stores a result: never on a HEAD.
        return get ? sendResult(head.query, address) : notAllowed("GET");
    }
    if (*path == base + "/toplist.dat") {
        return getOrHead ? listText() : notAllowed("GET, HEAD");
    }
    if (!getOrHead) {
        return notAllowed("GET, HEAD");
    }
    if (const std::optional<QString> file = m_static.resolve(head.path)) {
        ServerResponse response;
        response.file = *file;
        response.fileSize = QFileInfo(*file).size();
        response.contentType = contentTypeFor(*file);
        return response;
    }
    return errorResponse(404);
}

ServerResponse TopListServer::sendResult(const QByteArray& query, const QString& address) {
    if (!m_sends.allow(address, m_clock.tickMs())) {
        return statusText(SendStatus::TooMany, QStringLiteral("too many sends"));
    }
    const AddUserParse parse = parseAddUserQuery(query);
    if (parse.status != SendStatus::Accepted) {
        return statusText(parse.status, parse.reason);
    }
    const QDateTime now = m_clock.now();
    const AddUserRequest& request = parse.request;
    const Result<int> rank = m_store.addResult(
        isoWeekKey(now),
        {request.name, request.email, request.score, request.language, now.toMSecsSinceEpoch()});
    if (!rank.ok()) {
        return errorResponse(500, rank.error());
    }
    const QString message = request.language == QLatin1String("deutsch")
                                ? QStringLiteral("Vielen Dank f\u00fcr Ihre Teilnahme!")
                                : QStringLiteral("Thank you for taking part!");
    ServerResponse response;
    response.body = "1\n" + toCp1252(message) + '\n' + QByteArray::number(*rank) + '\n';
    response.addHeader("Cache-Control", "no-store");
    response.note = QStringLiteral("status 1, rank %1").arg(*rank);
    return response;
}

ServerResponse TopListServer::listText() {
    const QDateTime now = m_clock.now();
    const Result<QList<StoredResult>> list = m_store.weekList(isoWeekKey(now), m_settings.listSize);
    if (!list.ok()) {
        return errorResponse(500, list.error());
    }
    ServerResponse response;
    for (const StoredResult& result : *list) {
        const QString date = QDateTime::fromMSecsSinceEpoch(result.createdMs, Qt::UTC)
                                 .toString(Qt::ISODate)
                                 .left(10);
        response.body += listField(result.name) + '~' + listField(result.email) + '~' +
                         toCp1252(formatThousands(result.score)) + '~' +
                         listField(result.language) + '~' + listField(date) + '\n';
    }
    response.addHeader("Cache-Control", "no-cache");
    return response;
}

}  // namespace trivanto
