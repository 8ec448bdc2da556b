#include "server/server_connection.h"

#include <algorithm>

namespace trivanto {

namespace {

// Enough to keep a fast reader busy; a slow one holds no more than this in memory.
constexpr qint64 kWriteAhead = 256 * 1024;
constexpr qint64 kFileBlock = 64 * 1024;

}  // namespace

ServerConnection::ServerConnection(TopListServer& server, QTcpSocket* socket, QString address)
    : QObject(&server), m_server(server), m_socket(socket), m_address(std::move(address)) {
    socket->setParent(this);
    m_headTimer = server.clock().createTimer(
        [this] {
            if (!m_answered) {
                ServerResponse late;
                late.status = 408;
                late.body = reasonPhrase(408) + '\n';
                late.note = QStringLiteral("request head not complete in time");
                answer(late, nullptr);
            }
        },
        TimerMode::SingleShot);
    m_writeTimer = server.clock().createTimer(
        [this] {
            if (m_socket) {
                m_socket->abort();
            }
            close();
        },
        TimerMode::SingleShot);
    m_headTimer->start(server.settings().headTimeoutMs);
    connect(socket, &QTcpSocket::readyRead, this, &ServerConnection::onReadyRead);
    connect(socket, &QTcpSocket::bytesWritten, this, &ServerConnection::writeMore);
    connect(socket, &QTcpSocket::disconnected, this, &ServerConnection::close);
}

void ServerConnection::start() {
    if (m_socket && m_socket->bytesAvailable() > 0) {
        onReadyRead();
    }
}

ServerConnection::~ServerConnection() {
    m_server.connectionClosed(m_address);
}

void ServerConnection::refuse(int status) {
    ServerResponse refused;
    refused.status = status;
    refused.body = reasonPhrase(status) + '\n';
    refused.note = QStringLiteral("too many connections");
    answer(refused, nullptr);
}

void ServerConnection::onReadyRead() {
    if (!m_socket) {
        return;
    }
    if (m_answered) {
        m_socket->readAll();  // nothing more is read from this connection
        return;
    }
    // Never more than one byte past the limit: that is enough to tell the head is too large.
    const qint64 room = m_server.settings().limits.maxHeadBytes + 4 - m_buffer.size() + 1;
    m_buffer += m_socket->read(std::max<qint64>(room, 1));
    const HttpHeadParse parse = parseRequestHead(m_buffer, m_server.settings().limits);
    switch (parse.state) {
        case HttpHeadParse::State::NeedMore:
            return;
        case HttpHeadParse::State::Invalid: {
            ServerResponse bad;
            bad.status = parse.status;
            bad.body = reasonPhrase(parse.status) + '\n';
            bad.note = parse.reason;
            answer(bad, nullptr);
            return;
        }
        case HttpHeadParse::State::Complete:
            answer(m_server.respond(parse.head, m_address), &parse.head);
            return;
    }
}

void ServerConnection::answer(ServerResponse response, const HttpRequestHead* head) {
    if (!m_socket || m_answered) {
        return;
    }
    m_answered = true;
    m_headTimer->stop();
    const bool headOnly = head != nullptr && head->method == "HEAD";
    const qint64 length = response.file.isEmpty() ? response.body.size() : response.fileSize;
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                     reasonPhrase(response.status) + "\r\n";
    out += "Content-Type: " + response.contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(length) + "\r\n";
    for (const auto& [name, value] : response.headers) {
        out += name + ": " + value + "\r\n";
    }
    out += "Connection: close\r\n\r\n";
    if (!headOnly) {
        if (response.file.isEmpty()) {
            out += response.body;
        } else {
            m_file = std::make_unique<QFile>(response.file);
            if (!m_file->open(QIODevice::ReadOnly)) {
                m_socket->abort();
                close();
                return;
            }
            m_fileLeft = response.fileSize;
        }
    }
    // One multi-argument arg(): a "%1" in the request path is never read as a placeholder.
    emit m_server.logLine(
        QStringLiteral("%1 %2 %3 %4%5")
            .arg(m_address,
                 head != nullptr ? QString::fromLatin1(head->method) : QStringLiteral("-"),
                 head != nullptr ? QString::fromLatin1(head->path.left(200)) : QStringLiteral("-"),
                 QString::number(response.status),
                 response.note.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(response.note)));
    m_socket->write(out);
    writeMore();
}

void ServerConnection::writeMore() {
    if (!m_socket || !m_answered) {
        return;
    }
    m_writeTimer->start(m_server.settings().writeTimeoutMs);
    while (m_file && m_fileLeft > 0 && m_socket->bytesToWrite() < kWriteAhead) {
        const QByteArray block = m_file->read(std::min(kFileBlock, m_fileLeft));
        if (block.isEmpty()) {
            // The file shrank under us: the length is promised, so the connection must break.
            m_socket->abort();
            close();
            return;
        }
        m_fileLeft -= block.size();
        m_socket->write(block);
    }
    if (m_fileLeft == 0 && m_socket->bytesToWrite() == 0 &&
        m_socket->state() == QAbstractSocket::ConnectedState) {
        m_socket->disconnectFromHost();
    }
}

void ServerConnection::close() {
    m_headTimer->stop();
    m_writeTimer->stop();
    if (m_socket) {
        m_socket->disconnect(this);
    }
    deleteLater();
}

}  // namespace trivanto
