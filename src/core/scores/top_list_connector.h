#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

#include "core/app/clock.h"
#include "core/scores/top_list_protocol.h"

namespace trivanto {

class HttpClient;

// The client of the top-list server: sends one result with TLADDUSER to "<URL>/toplist.pl"
// and fetches the list "<URL>/toplist.dat". Every exchange runs on the event loop and ends
// with one call of its continuation; nothing waits. A reply with an HTTP error status, a cut
// body, a body above the exchange's limit or 30 s without data count as no connection.
class TTopListConnector final : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxReplyBytes = 16 * 1024;
    static constexpr qint64 kMaxListBytes = 256 * 1024;
    static constexpr int kInactivityTimeoutMs = 30000;

    using TextDone = std::function<void(bool ok, const QByteArray& text)>;
    using SendDone = std::function<void(const TopListSendReply& reply)>;
    using ListDone = std::function<void(TTopListResult result, const TTopListEntryList& list)>;

    // `network` and `clock` must outlive the connector.
    TTopListConnector(HttpClient& network, Clock& clock, QObject* parent = nullptr);
    ~TTopListConnector() override;

    // Sent as User-Agent ("TopListConnector"); an empty agent refuses every exchange.
    const QString& Agent() const { return m_agent; }
    void setAgent(const QString& agent) { m_agent = agent; }
    // The server's base address without a trailing "/" ("http://host/orvalquest/top50");
    // empty (the start value) refuses every exchange.
    const QString& URL() const { return m_url; }
    void setURL(const QString& url) { m_url = url; }

    // The query exchange: "<URL>/toplist.pl?" and the command as commandQuery puts it.
    void SendCommand(const QString& CommandText, TextDone done);
    // The list exchange: "<URL>/toplist.dat".
    void FetchListText(TextDone done);
    // Sends one result (see addUserCommand) and reads the reply.
    void AddUser(const QString& Name, const QString& EMail, qint32 Score, const QString& Language,
                 SendDone done);
    // Fetches and reads the list; tlrOk with the entries, tlrNoConnection or tlrBadReply with
    // none.
    void GetList(ListDone done);

    // Stops every running exchange; their continuations never run.
    void Cancel();
    bool isBusy() const;

private:
    void fetch(const QString& path, const QByteArray& query, qint64 maxBytes, TextDone done);

    HttpClient& m_network;
    Clock& m_clock;
    QString m_agent = QStringLiteral("TopListConnector");
    QString m_url;
};

}  // namespace trivanto
