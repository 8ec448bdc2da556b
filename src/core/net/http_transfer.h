#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

#include "core/app/clock.h"
#include "core/common/result.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace trivanto {

// What one HTTP exchange asks for.
struct HttpRequestOptions {
    QUrl url;
    QString agent;        // User-Agent; empty leaves Qt's default
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

// One HTTP exchange on Qt Network. It hands the body to its owner block by block and ends
// with one call of `finished`: success only for a 2xx reply whose body was read to its end
// (and, when the server announced a length, exactly that many bytes). Every callback runs on
// the event loop, never inside start() or abort().
class HttpTransfer final : public QObject {
    Q_OBJECT
public:
    // The owner's side of the exchange. A failure returned by `headers` or `block` ends the
    // exchange with that failure.
    struct Handlers {
        // The reply's head was accepted; `length` is the announced body size, -1 when the
        // server gave none.
        std::function<Status(qint64 length)> headers;
        std::function<Status(const QByteArray& block)> block;
        // Once, at the end; `received` is the number of body bytes handed over.
        std::function<void(const Status& outcome, qint64 received)> finished;
    };

    static constexpr qint64 kBlockSize = 64 * 1024;

    HttpTransfer(QNetworkAccessManager& network, Clock& clock, HttpRequestOptions options,
                 Handlers handlers, QObject* parent = nullptr);
    ~HttpTransfer() override;

    // Replaces the handlers; only before start().
    void setHandlers(Handlers handlers) { m_handlers = std::move(handlers); }
    void start();
    // Stops at once; no handler runs any more.
    void abort();
    bool isRunning() const { return m_running; }

private:
    void onReadyRead();
    void onFinished();
    Status acceptHead();
    void touch();
    void finish(const Status& outcome);
    void dropReply();

    QNetworkAccessManager& m_network;
    HttpRequestOptions m_options;
    Handlers m_handlers;
    std::unique_ptr<Timer> m_idleTimer;
    QPointer<QNetworkReply> m_reply;
    bool m_running = false;
    bool m_headAccepted = false;
    bool m_credentialsGiven = false;
    qint64 m_announced = -1;
    qint64 m_received = 0;
};

}  // namespace trivanto
