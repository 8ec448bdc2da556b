#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>

// The seam between the game's network clients and the library that speaks HTTP. Everything
// here is header-only, so the network module that implements it (loaded at the first exchange)
// shares these types without linking the core.

namespace trivanto {

// What one HTTP exchange asks for.
struct HttpRequestOptions {
    QUrl url;
    QString agent;        // User-Agent; empty leaves the library's default
    QString acceptTypes;  // Accept; empty sends none
    QString referer;      // Referer; empty sends none
    QString userName;     // answered once when the server asks for credentials
    QString password;
    bool post = false;  // POST with a form body instead of GET
    QByteArray postBody;
    bool useCache = false;        // false: always from the server, never from a cache
    qint64 maxBytes = 0;          // bodies (announced or received) above this are refused
    int inactivityTimeoutMs = 0;  // no byte and no header for this long ends the exchange
};

// The body is handed on in blocks of at most this size.
inline constexpr qint64 kHttpBlockSize = 64 * 1024;

struct HttpCredentials {
    QString user;
    QString password;
};

// One running request. It tells its listener what happens, always from the event loop; the
// listener reads the reply through it. Destroying it stops the request at once, also from
// inside one of the listener's calls.
class HttpExchange {
public:
    class Listener {
    public:
        virtual void bodyReadable() = 0;
        virtual void replyFinished() = 0;
        // Headers or upload progress: the exchange is alive.
        virtual void activity() = 0;
        // The server asks for credentials for `realm`; none refuses.
        virtual std::optional<HttpCredentials> credentialsFor(const QString& realm) = 0;

    protected:
        ~Listener() = default;
    };

    virtual ~HttpExchange() = default;

    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray read(qint64 maxBytes) = 0;
    // None until an HTTP reply head has arrived (and for failures below HTTP).
    virtual std::optional<int> statusCode() const = 0;
    virtual QString reasonPhrase() const = 0;
    virtual std::optional<QByteArray> header(const QByteArray& name) const = 0;
    // Whether the exchange failed (connection, protocol, an error status); why in errorString().
    virtual bool failed() const = 0;
    virtual QString errorString() const = 0;
};

// Starts exchanges.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    // The request is under way when this returns; the listener outlives the exchange. Null
    // when no exchange can be started at all; unavailableReason() then says why.
    virtual std::unique_ptr<HttpExchange> start(const HttpRequestOptions& options,
                                                HttpExchange::Listener& listener) = 0;
    virtual QString unavailableReason() const { return {}; }
};

// The network module: a shared library with one C function that makes the program's client
// (asking the system's proxy settings per request). The caller owns the client.
inline constexpr char kHttpModuleFileName[] = "libtrivanto-net.so";
inline constexpr char kHttpModuleFactory[] = "trivanto_make_http_client";
using HttpModuleFactory = HttpClient* (*)();

}  // namespace trivanto
