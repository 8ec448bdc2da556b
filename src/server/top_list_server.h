#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include "core/app/clock.h"
#include "core/common/result.h"
#include "server/http_request.h"
#include "server/rate_limiter.h"
#include "server/static_folder.h"

namespace trivanto {

class TopListStore;
class ServerConnection;

struct TopListServerSettings {
    // The path the game's top-list address ends with; it serves <base>/toplist.pl and
    // <base>/toplist.dat.
    QString basePath = QStringLiteral("/orvalquest/top50");
    // A folder served as it is under "/" (the update files); empty: none.
    QString staticRoot;
    HttpLimits limits;
    int listSize = 50;
    int maxConnections = 256;
    int maxConnectionsPerAddress = 16;
    int headTimeoutMs = 10000;    // a whole request head must arrive within this time
    int writeTimeoutMs = 60000;   // a reader that takes nothing for this long is dropped
    int sendsPerHour = 30;        // TLADDUSER per client address; more get status 4
    int requestsPerMinute = 240;  // all requests per client address; more get 429
};

// One answer, ready to be written.
struct ServerResponse {
    int status = 200;
    QByteArray contentType = "text/plain; charset=windows-1252";
    QByteArray body;
    QString file;  // when set, the body is this file (streamed), of `fileSize` bytes
    qint64 fileSize = 0;
    QList<QPair<QByteArray, QByteArray>> headers;
    QString note;  // for the log: what the request did

    void addHeader(const QByteArray& name, const QByteArray& value) {
        headers.append(qMakePair(name, value));
    }
};

// The reference top-list server: GET <base>/toplist.pl?TLADDUSER&... stores a result of the
// current ISO week and answers its status and rank; GET <base>/toplist.dat serves the week's
// best as lines "name~e-mail~score~language~date". Every connection answers one request and
// closes. Client addresses are limited in connections, requests and sends.
class TopListServer final : public QObject {
    Q_OBJECT
public:
    // `store` and `clock` must outlive the server.
    TopListServer(TopListStore& store, Clock& clock, TopListServerSettings settings,
                  QObject* parent = nullptr);
    ~TopListServer() override;

    Status listen(const QHostAddress& address, quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    int openConnections() const { return m_connections; }
    const TopListServerSettings& settings() const { return m_settings; }
    Clock& clock() { return m_clock; }

    // The answer to one complete request head from `address`.
    ServerResponse respond(const HttpRequestHead& head, const QString& address);

signals:
    // One line per request, for the log (never a name or e-mail address).
    void logLine(const QString& line);
    // A connection was opened or closed.
    void connectionsChanged(int open);

private:
    friend class ServerConnection;
    void onNewConnection();
    void connectionClosed(const QString& address);
    ServerResponse sendResult(const QByteArray& query, const QString& address);
    ServerResponse listText();

    TopListStore& m_store;
    Clock& m_clock;
    TopListServerSettings m_settings;
    StaticFolder m_static;
    RateLimiter m_requests;
    RateLimiter m_sends;
    QTcpServer m_server;
    int m_connections = 0;
    QHash<QString, int> m_connectionsPerAddress;
};

// The reason phrase of a status the server sends.
QByteArray reasonPhrase(int status);

}  // namespace trivanto
