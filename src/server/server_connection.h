#pragma once

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <memory>

#include "core/app/clock.h"
#include "server/top_list_server.h"

namespace trivanto {

// One client connection: reads one request head within the head time-out, writes the answer
// (a file in blocks, as fast as the client takes it) and closes.
class ServerConnection final : public QObject {
    Q_OBJECT
public:
    ServerConnection(TopListServer& server, QTcpSocket* socket, QString address);
    ~ServerConnection() override;

    // Reads what has arrived already; later bytes are read as they come.
    void start();
    // Instead of start(): answers at once with an error and closes (too many connections).
    void refuse(int status);

private:
    void onReadyRead();
    void answer(ServerResponse response, const HttpRequestHead* head);
    void writeMore();
    void close();

    TopListServer& m_server;
    QPointer<QTcpSocket> m_socket;
    QString m_address;
    QByteArray m_buffer;
    bool m_answered = false;
    std::unique_ptr<QFile> m_file;
    qint64 m_fileLeft = 0;
    std::unique_ptr<Timer> m_headTimer;
    std::unique_ptr<Timer> m_writeTimer;
};

}  // namespace trivanto
