#include "support/loopback_http_server.h"

#include <sys/socket.h>

#include <QHostAddress>

namespace trivanto {

LoopbackHttpServer::LoopbackHttpServer() {
    m_handler = [](const LoopbackRequest&) { return LoopbackReply(); };
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::onConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

LoopbackHttpServer::~LoopbackHttpServer() {
    for (const QPointer<QTcpSocket>& socket : m_sockets) {
        if (socket) {
            socket->disconnect(this);
            socket->abort();
        }
    }
}

QString LoopbackHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void LoopbackHttpServer::setReply(LoopbackReply reply) {
    m_handler = [reply](const LoopbackRequest&) { return reply; };
}

void LoopbackHttpServer::setHandler(std::function<LoopbackReply(const LoopbackRequest&)> handler) {
    m_handler = std::move(handler);
}

void LoopbackHttpServer::onConnection() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        m_sockets.append(socket);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, &LoopbackHttpServer::connectionClosed);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_buffers.remove(socket); });
    }
}

void LoopbackHttpServer::onReadyRead(QTcpSocket* socket) {
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0) {
        return;
    }
    LoopbackRequest request;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0) {
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
        }
    }
    const qsizetype bodyLength = request.headers.value("content-length", "0").toLongLong();
    if (buffer.size() - headEnd - 4 < bodyLength) {
        return;
    }
    request.body = buffer.mid(headEnd + 4, bodyLength);
    buffer.clear();
    m_requests.append(request);
    const LoopbackReply reply = m_handler(request);
    emit requestReceived();
    answer(socket, reply);
}

void LoopbackHttpServer::answer(QTcpSocket* socket, const LoopbackReply& reply) {
    if (reply.silent) {
        return;
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reply.reason + "\r\n";
    if (reply.length == LoopbackReply::Length::Exact) {
        head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    } else if (reply.length == LoopbackReply::Length::Declared) {
        head += "Content-Length: " + QByteArray::number(reply.declaredLength) + "\r\n";
    }
    for (const auto& [name, value] : reply.headers) {
        head += name + ": " + value + "\r\n";
    }
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    socket->write(reply.bodyBytesSent < 0 ? reply.body : reply.body.left(reply.bodyBytesSent));
    socket->flush();
    switch (reply.ending) {
        case LoopbackReply::Ending::Close:
            socket->disconnectFromHost();
            break;
        case LoopbackReply::Ending::Reset: {
            // A lingering time of zero makes the close a reset instead of an orderly end.
            const linger noLinger{1, 0};
            setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &noLinger,
                       sizeof noLinger);
            socket->abort();
            break;
        }
        case LoopbackReply::Ending::Stall:
            break;
    }
}

}  // namespace trivanto
