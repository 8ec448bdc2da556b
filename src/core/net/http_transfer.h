#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>
#include <memory>

#include "core/app/clock.h"
#include "core/common/result.h"
#include "core/net/http_client.h"

namespace trivanto {

// One HTTP exchange on the program's HttpClient. It hands the body to its owner block by block and
// ends with one call of `finished`: success only for a 2xx reply whose body was read to its end
// (and, when the server announced a length, exactly that many bytes). Every callback runs on
// the event loop, never inside start() or abort().
class HttpTransfer final : public QObject, private HttpExchange::Listener {
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

    static constexpr qint64 kBlockSize = kHttpBlockSize;

    HttpTransfer(HttpClient& network, Clock& clock, HttpRequestOptions options, Handlers handlers,
                 QObject* parent = nullptr);
    ~HttpTransfer() override;

    // Replaces the handlers; only before start().
    void setHandlers(Handlers handlers) { m_handlers = std::move(handlers); }
    void start();
    // Stops at once; no handler runs any more.
    void abort();
    bool isRunning() const { return m_running; }

private:
    void bodyReadable() override;
    void replyFinished() override;
    void activity() override { touch(); }
    std::optional<HttpCredentials> credentialsFor(const QString& realm) override;
    Status acceptHead();
    void touch();
    void finish(const Status& outcome);
    void dropReply();

    HttpClient& m_network;
    HttpRequestOptions m_options;
    Handlers m_handlers;
    std::unique_ptr<Timer> m_idleTimer;
    std::unique_ptr<HttpExchange> m_reply;
    bool m_running = false;
    bool m_headAccepted = false;
    bool m_credentialsGiven = false;
    qint64 m_announced = -1;
    qint64 m_received = 0;
};

}  // namespace trivanto
