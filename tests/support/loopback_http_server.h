#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

namespace trivanto {

// One request as it arrived; header names in lower case.
struct LoopbackRequest {
    QByteArray method;
    QByteArray target;  // exactly as sent, "/path?query"
    QMap<QByteArray, QByteArray> headers;
    QByteArray body;
};

// What the server answers, including the ways a real server goes wrong.
struct LoopbackReply {
    enum class Length { Exact, None, Declared };
    enum class Ending { Close, Reset, Stall };

    int status = 200;
    QByteArray reason = "OK";
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    Length length = Length::Exact;
    qint64 declaredLength = 0;  // with Length::Declared
    qint64 bodyBytesSent = -1;  // -1: the whole body
    Ending ending = Ending::Close;
    bool silent = false;  // accepts the request and never answers

    static LoopbackReply silence() {
        LoopbackReply reply;
        reply.silent = true;
        return reply;
    }
};

// An HTTP server on 127.0.0.1 with scripted replies, for tests of the network clients. It
// serves on the event loop of the test (QSignalSpy::wait).
class LoopbackHttpServer final : public QObject {
    Q_OBJECT
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer() override;

    quint16 port() const { return m_server.serverPort(); }
    // "http://127.0.0.1:PORT" followed by `path`.
    QString url(const QString& path = QString()) const;

    void setReply(LoopbackReply reply);
    void setHandler(std::function<LoopbackReply(const LoopbackRequest&)> handler);
    const QList<LoopbackRequest>& requests() const { return m_requests; }

signals:
    void requestReceived();
    // The client closed a connection.
    void connectionClosed();

private:
    void onConnection();
    void onReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const LoopbackReply& reply);

    QTcpServer m_server;
    std::function<LoopbackReply(const LoopbackRequest&)> m_handler;
    QList<LoopbackRequest> m_requests;
    QMap<QTcpSocket*, QByteArray> m_buffers;
    QList<QPointer<QTcpSocket>> m_sockets;
};

}  // namespace trivanto
